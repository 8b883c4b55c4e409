#pragma once
// The program image as the board keeps it in its program memory:
//   0  2  seal of bytes 2..T-1 (low byte first)
//   2  4  T, big-endian, header included
//   6  4  format tag 05 01 00 01
//  10  2  CRC of the body (bytes 16..T-1), low byte first
//  12  2  seal of the body, low byte first
//  14  2  CRC of bytes 2..13, low byte first
//  16     body
#include <cstdint>
#include <string_view>

#include "sim/sim_bytes.h"

namespace lumio::sim {

inline constexpr std::size_t kProgramMemorySize = 500000;
inline constexpr std::size_t kBlockSize = 50;

// A valid image around the given body: what a board holds after a program is written to it.
Bytes programImageWithBody(ByteView body);

// Empty text when the image passes every header check, else which check failed.
std::string_view programImageFault(ByteView image);

}  // namespace lumio::sim
