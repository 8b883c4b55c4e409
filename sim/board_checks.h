#pragma once
// The board's own checks: CRC-16/MODBUS (computed bit by bit, unlike the editor's table), the 8-bit sum of
// the 0x55 and 0x22 frames, and the program image seal.
#include <cstdint>

#include "sim/sim_bytes.h"

namespace lumio::sim {

// CRC-16/MODBUS: initial 0xFFFF, reflected polynomial 0xA001, no final XOR. Sent low byte first.
std::uint16_t modbusCrc(ByteView bytes);
void appendCrc(Bytes& frame);
bool crcMatches(ByteView frameWithCrc);

// Low 8 bits of the sum of the bytes.
std::uint8_t byteSum(ByteView bytes);

// The 16-bit image seal: CRC, length, sum and xor folded into ten key bytes, whose CRC is the seal.
std::uint16_t imageSeal(ByteView bytes);

}  // namespace lumio::sim
