#pragma once
// FileSeal: the editor's own 16-bit check over a byte string, protecting program and block files.
// From the CRC-16/MODBUS C of the bytes, their XOR X, their 32-bit sum S and their count n, ten key
// bytes are formed (mod 256):
//   k0 = Clo + Chi + 0x68   k1 = (n >> 8) + 0x55   k2 = S + 0x65   k3 = S >> 14   k4 = n - 0x7A
//   k5 = S >> 7             k6 = X - 0x5B          k7 = Chi - 0x47 k8 = Clo >> 1  k9 = k0 + ... + k8
// and the seal is the CRC-16/MODBUS of k0..k9, stored low byte first.
#include <array>
#include <cstdint>

#include "core/text/bytes.h"

namespace lumio {

std::array<std::uint8_t, 10> fileSealKey(ByteView bytes);
std::uint16_t FileSeal(ByteView bytes);

}  // namespace lumio
