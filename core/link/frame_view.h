#pragma once
// The debug terminal's frame view: received bytes cut into the frames of the board protocol, each with
// whether its check is right. At each position the cutter tries the attention preamble, a Frame55, an
// address or status reply (0x22) and the CRC frames ('g' 'i' 'j' 'l', request and reply layouts); the
// first layout whose check is right wins. A position that starts a known layout whose check is wrong
// gives a frame marked wrong; other bytes collect as unframed bytes; a tail too short for any layout is
// left incomplete.
#include <cstdint>
#include <string>
#include <vector>

#include "core/text/bytes.h"

namespace lumio {

enum class FrameCheck : std::uint8_t { Right, Wrong, NotFramed, Incomplete };

struct CutFrame {
    Bytes bytes;
    std::string kind;  // "preamble", "55", "22", "g", "i", "j", "l", or "" for unframed bytes
    FrameCheck check = FrameCheck::NotFramed;
    friend bool operator==(const CutFrame&, const CutFrame&) = default;
};

std::vector<CutFrame> cutFrames(ByteView bytes);

// One line of the frame view (GBK): "[i 校验正确] 01 69 00 15 ...".
std::string frameLine(const CutFrame& frame);

}  // namespace lumio
