#pragma once
// The hardware information a board answers: register 20 (multi-byte values little-endian, 100 data
// bytes) and register 102 (big-endian, the full 46-byte form); the earlier boards' registers 23 and 24. The figures are those of a plausible
// mid-size board.
#include "sim/sim_bytes.h"

namespace lumio::sim {

Bytes hardwareInformation();
Bytes hardwareInformation2();
// Register 23 (type byte 6): the board's network settings, addresses least significant byte first.
Bytes networkInformation();
// Register 24 (type byte 7): the chip's identification bytes and the board's counts.
Bytes identification();

}  // namespace lumio::sim
