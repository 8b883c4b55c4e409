#include "core/checks/crc16.h"

#include <array>

namespace lumio {
namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        std::uint16_t crc = static_cast<std::uint16_t>(value);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
        table[value] = crc;
    }
    return table;
}

constexpr std::array<std::uint16_t, 256> kTable = makeTable();

}  // namespace

std::uint16_t Crc16ModbusUpdate(std::uint16_t crc, ByteView bytes) {
    for (char c : bytes) crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ static_cast<std::uint8_t>(c)) & 0xFF]);
    return crc;
}

std::uint16_t Crc16Modbus(ByteView bytes) { return Crc16ModbusUpdate(0xFFFF, bytes); }

void appendU16LowFirst(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

std::uint16_t readU16LowFirst(ByteView bytes, size_t offset) {
    return static_cast<std::uint16_t>(byteAt(bytes, offset) | (byteAt(bytes, offset + 1) << 8));
}

}  // namespace lumio
