#include "core/checks/crc32.h"

#include <array>

namespace lumio {
namespace {

constexpr std::array<std::uint32_t, 256> makeCrc32Table() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t value = 0; value < 256; ++value) {
        std::uint32_t crc = value;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        table[value] = crc;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeCrc32Table();

}  // namespace

std::uint32_t Crc32(ByteView bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) crc = (crc >> 8) ^ kTable[(crc ^ static_cast<std::uint8_t>(c)) & 0xFF];
    return crc ^ 0xFFFFFFFFu;
}

}  // namespace lumio
