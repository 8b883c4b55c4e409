#include "sim/board_clock.h"

namespace lumio::sim {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Days from 2000-01-01 to the given civil date (proleptic Gregorian).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 730425;  // 730425: 0000-03-01 to 2000-01-01
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(std::int64_t days)
{
    days += 730425;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

bool isLeap(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(std::int64_t year, unsigned month)
{
    static constexpr unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<BoardClock> BoardClock::fromPayload(ByteView payload)
{
    if (payload.size() != 7)
        return std::nullopt;
    const unsigned second = payload[0];
    const unsigned minute = payload[1];
    const unsigned hour = payload[2];
    const unsigned day = payload[4];
    const unsigned month = payload[5];
    const std::int64_t year = 2000 + std::int64_t{payload[6]};
    if (second > 59 || minute > 59 || hour > 23 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month))
        return std::nullopt;
    // The weekday sent is not trusted: the board derives it from the date.
    BoardClock clock;
    clock.secondsSince2000_ = daysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    return clock;
}

ClockPayload BoardClock::payload() const
{
    const std::int64_t days = secondsSince2000_ / kSecondsPerDay;
    const std::int64_t secondOfDay = secondsSince2000_ % kSecondsPerDay;
    const CivilDate date = civilFromDays(days);
    // 2000-01-01 was a Saturday (6).
    const auto weekday = static_cast<std::uint8_t>((days + 5) % 7 + 1);
    return {static_cast<std::uint8_t>(secondOfDay % 60), static_cast<std::uint8_t>(secondOfDay / 60 % 60),
            static_cast<std::uint8_t>(secondOfDay / 3600),   weekday,
            static_cast<std::uint8_t>(date.day),               static_cast<std::uint8_t>(date.month),
            static_cast<std::uint8_t>(date.year - 2000)};
}

void BoardClock::advance(std::uint64_t milliseconds)
{
    carriedMilliseconds_ += milliseconds;
    secondsSince2000_ += static_cast<std::int64_t>(carriedMilliseconds_ / 1000);
    carriedMilliseconds_ %= 1000;
}

}  // namespace lumio::sim
