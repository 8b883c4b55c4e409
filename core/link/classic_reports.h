#pragma once
// The reports of the classic editor's 读取网络信息 (register 23) and 读取ID (register 24), as functions
// of the 'i' reply frame: address, 'i', n, n data bytes, CRC. Data byte d[k] is frame byte 3 + k; bytes
// the reply does not hold read as 0. Texts are GBK, lines ended by CR LF.
#include <cstdint>
#include <string>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::uint16_t kNetworkInfoRegister = 23;
inline constexpr std::uint16_t kIdentificationRegister = 24;

// Which report an 'i' reply opens, chosen by its first data byte.
enum class ClassicReport {
    None,            // any other first byte
    Hardware,        // 5: the hardware report of register 20
    Network,         // 6
    Identification,  // 7
};
ClassicReport classicReportKind(ByteView frame);

// IP address, subnet mask and gateway (each stored least significant byte first), then the numbers
// of TCP controllers, UDP controllers and TCP service ports (16 bits, least significant byte first).
std::string networkReport(ByteView frame);

// d[1] must be 24, else the report is empty. d[2] is how much of the reply the board filled: over 25
// the identification bytes (d[3] of them from d[4]) and the input and output counts (d[24], d[25]),
// over 27 also the buffer counts (d[26], d[27]). A count of 255 is not reported.
std::string identificationReport(ByteView frame);

}  // namespace lumio
