#include <gtest/gtest.h>

#include "core/checks/crc16.h"
#include "core/checks/file_seal.h"

namespace lumio {
namespace {

TEST(Crc16Modbus, KnownValues) {
    EXPECT_EQ(Crc16Modbus("123456789"), 0x4B37);
    EXPECT_EQ(Crc16Modbus(""), 0xFFFF);
    EXPECT_EQ(Crc16Modbus("abc"), 0x5749);
    // A running CRC over two pieces equals the CRC of the whole.
    EXPECT_EQ(Crc16ModbusUpdate(Crc16Modbus("12345"), "6789"), 0x4B37);
}

TEST(Crc16Modbus, WholeEqualsByteByByte) {
    // The eight-byte fast path and the one-byte path must agree at every length and alignment.
    Bytes data;
    for (int i = 0; i < 70; ++i) data.push_back(static_cast<char>(i * 37 + 11));
    for (size_t offset = 0; offset < 3; ++offset) {
        for (size_t length = 0; offset + length <= data.size(); ++length) {
            const ByteView piece = ByteView(data).substr(offset, length);
            std::uint16_t slow = 0xFFFF;
            for (char c : piece) slow = Crc16ModbusUpdate(slow, ByteView(&c, 1));
            ASSERT_EQ(Crc16Modbus(piece), slow) << offset << "+" << length;
        }
    }
}

TEST(FileSeal, WorkedExamples) {
    const auto key = fileSealKey("abc");
    const std::array<std::uint8_t, 10> expected{0x08, 0x55, 0x8B, 0x00, 0x89, 0x02, 0x05, 0x10, 0x24, 0xAC};
    EXPECT_EQ(key, expected);
    Bytes stored;
    appendU16LowFirst(stored, FileSeal("abc"));
    EXPECT_EQ(stored, Bytes("\x07\x80", 2));
    stored.clear();
    appendU16LowFirst(stored, FileSeal(""));
    EXPECT_EQ(stored, Bytes("\x8B\xFC", 2));
}

TEST(FileSeal, ChangesWithAnyByte) {
    Bytes data(300, '\x11');
    const std::uint16_t seal = FileSeal(data);
    for (size_t i = 0; i < data.size(); i += 37) {
        Bytes changed = data;
        changed[i] = '\x12';
        EXPECT_NE(FileSeal(changed), seal) << "byte " << i;
    }
}

}  // namespace
}  // namespace lumio
