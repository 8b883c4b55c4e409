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

// Slicing-by-8: table k gives the CRC contribution of a byte followed by k zero bytes, so eight bytes
// are folded in with eight independent look-ups.
using SliceTables = std::array<std::array<std::uint16_t, 256>, 8>;

constexpr SliceTables makeSliceTables() {
    SliceTables tables{};
    tables[0] = makeTable();
    for (size_t k = 1; k < 8; ++k)
        for (size_t i = 0; i < 256; ++i)
            tables[k][i] = static_cast<std::uint16_t>((tables[k - 1][i] >> 8) ^ tables[0][tables[k - 1][i] & 0xFF]);
    return tables;
}

constexpr SliceTables kTables = makeSliceTables();

}  // namespace

std::uint16_t Crc16ModbusUpdate(std::uint16_t crc, ByteView bytes) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    size_t left = bytes.size();
    while (left >= 8) {
        crc = static_cast<std::uint16_t>(kTables[7][(crc ^ p[0]) & 0xFF] ^ kTables[6][((crc >> 8) ^ p[1]) & 0xFF] ^
                                         kTables[5][p[2]] ^ kTables[4][p[3]] ^ kTables[3][p[4]] ^ kTables[2][p[5]] ^
                                         kTables[1][p[6]] ^ kTables[0][p[7]]);
        p += 8;
        left -= 8;
    }
    while (left-- > 0) crc = static_cast<std::uint16_t>((crc >> 8) ^ kTables[0][(crc ^ *p++) & 0xFF]);
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
