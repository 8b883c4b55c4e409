#include "sim/board_clock.h"

#include <gtest/gtest.h>

#include "board_test_support.h"

namespace lumio::sim {
namespace {

TEST(BoardClock, CarriesAcrossDaysMonthsAndLeapDays)
{
    struct Case {
        const char* start;
        std::uint64_t milliseconds;
        ClockPayload expected;
    };
    const Case cases[] = {
        {"07 08 09 02 05 03 18", 0, {7, 8, 9, 2, 5, 3, 24}},               // Tuesday 2024-03-05
        {"3B 3B 17 03 1C 02 18", 1000, {0, 0, 0, 4, 29, 2, 24}},           // into the leap day, a Thursday
        {"3B 3B 17 03 1C 02 19", 1000, {0, 0, 0, 6, 1, 3, 25}},            // no leap day in 2025
        {"3B 3B 17 07 1F 0C 18", 1000, {0, 0, 0, 3, 1, 1, 25}},            // new year 2025, a Wednesday
        {"00 00 00 01 0A 03 18", 6 * 86400 * 1000ULL, {0, 0, 0, 6, 16, 3, 24}},  // Sunday 10th (weekday sent ignored), six days on
    };
    for (const Case& entry : cases) {
        auto clock = BoardClock::fromPayload(test::hex(entry.start));
        ASSERT_TRUE(clock) << entry.start;
        clock->advance(entry.milliseconds);
        EXPECT_EQ(clock->payload(), entry.expected) << entry.start;
    }
}

TEST(BoardClock, RefusesDatesThatDoNotExist)
{
    for (const char* payload : {"3C 00 00 01 01 01 18", "00 3C 00 01 01 01 18", "00 00 18 01 01 01 18",
                                "00 00 00 01 00 01 18", "00 00 00 01 1E 02 18", "00 00 00 01 01 0D 18",
                                "00 00 00 01 01 01"}) {
        EXPECT_FALSE(BoardClock::fromPayload(test::hex(payload))) << payload;
    }
}

}  // namespace
}  // namespace lumio::sim
