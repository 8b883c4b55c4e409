#include "sim/board_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "board_test_support.h"

namespace lumio::sim {
namespace {

Bytes text(std::string_view value)
{
    return Bytes(value.begin(), value.end());
}

TEST(BoardChecks, CrcOfKnownInputs)
{
    struct Case {
        Bytes input;
        std::uint16_t crc;
    };
    const Case cases[] = {
        {text("123456789"), 0x4B37},           // the catalogue check value of CRC-16/MODBUS
        {{}, 0xFFFF},
        {test::hex("01 69 00 15 00 00"), 0x074C},  // read clock at address 1 ends 4C 07
        {text("abc"), 0x5749},
    };
    for (const Case& entry : cases)
        EXPECT_EQ(modbusCrc(entry.input), entry.crc) << std::string(entry.input.begin(), entry.input.end());
}

TEST(BoardChecks, CrcMatchesOnlyTheWholeFrame)
{
    const Bytes frame = test::hex("01 69 00 15 00 00 4C 07");
    EXPECT_TRUE(crcMatches(frame));
    for (std::size_t bit = 0; bit < frame.size() * 8; ++bit) {
        Bytes flipped = frame;
        flipped[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
        EXPECT_FALSE(crcMatches(flipped)) << "bit " << bit;
    }
    EXPECT_FALSE(crcMatches(test::hex("4C 07")));
}

TEST(BoardChecks, ImageSealOfTheWorkedExamples)
{
    // Stored low byte first: "abc" seals as 07 80, nothing as 8B FC.
    EXPECT_EQ(imageSeal(text("abc")), 0x8007);
    EXPECT_EQ(imageSeal({}), 0xFC8B);
}

TEST(BoardChecks, SumOfTheWriteAddressFrame)
{
    EXPECT_EQ(byteSum(test::hex("55 F5 41 00 00 00 03")), 0x8E);
}

}  // namespace
}  // namespace lumio::sim
