#pragma once
// CRC-32 as zip and RAR archives use it: reflected polynomial 0xEDB88320, initial value and final XOR
// 0xFFFFFFFF.
#include <cstdint>

#include "core/text/bytes.h"

namespace lumio {

std::uint32_t Crc32(ByteView bytes);

}  // namespace lumio
