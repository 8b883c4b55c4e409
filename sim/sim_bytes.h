#pragma once
// Byte strings of the board model. Kept apart from core's on purpose: the model shares no code with the editor.
#include <cstdint>
#include <span>
#include <vector>

namespace lumio::sim {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

inline std::uint16_t readBigEndian16(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

inline void appendBigEndian16(Bytes& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

inline void appendBigEndian32(Bytes& out, std::uint32_t value)
{
    appendBigEndian16(out, static_cast<std::uint16_t>(value >> 16));
    appendBigEndian16(out, static_cast<std::uint16_t>(value & 0xFFFF));
}

}  // namespace lumio::sim
