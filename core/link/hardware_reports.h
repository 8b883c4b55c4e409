#pragma once
// The two hardware reports, as functions of the reply frame (GBK text, lines ended by CR LF).
// Data byte d[k] is frame byte 3 + k; bytes past the end of the frame read as 0, so a short reply never
// shows bytes left over from an earlier one.
#include <string>

#include "core/text/bytes.h"

namespace lumio {

// Register 20: numbers little-endian; the timer, integer and protocol lines appear only when their marker
// bytes say so.
std::string hardwareInfoReport(ByteView frame);

// Register 102: numbers big-endian; the reply's length byte n selects the form: n >= 46 full (33 lines),
// 40..45 lines 1-30, 34..39 lines 1-24, 24..33 the short form, 23 or less an empty report.
std::string hardwareInfo2Report(ByteView frame);

}  // namespace lumio
