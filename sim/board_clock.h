#pragma once
// The board's real-time clock. Its payload (7 bytes, both directions): second, minute, hour, weekday
// (1 Monday .. 7 Sunday), day of month, month (1..12), year - 2000.
#include <array>
#include <cstdint>
#include <optional>

#include "sim/sim_bytes.h"

namespace lumio::sim {

using ClockPayload = std::array<std::uint8_t, 7>;

class BoardClock {
public:
    // 2000-01-01 00:00:00, a Saturday.
    BoardClock() = default;
    static std::optional<BoardClock> fromPayload(ByteView payload);

    ClockPayload payload() const;
    // Moves the clock on; milliseconds below a second are carried.
    void advance(std::uint64_t milliseconds);

private:
    std::int64_t secondsSince2000_ = 0;
    std::uint64_t carriedMilliseconds_ = 0;
};

}  // namespace lumio::sim
