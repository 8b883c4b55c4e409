#pragma once
// The hardware information a board answers: register 20 (multi-byte values little-endian, 100 data
// bytes) and register 102 (big-endian, the full 46-byte form). The figures are those of a plausible
// mid-size board.
#include "sim/sim_bytes.h"

namespace lumio::sim {

Bytes hardwareInformation();
Bytes hardwareInformation2();

}  // namespace lumio::sim
