#include "sim/fault_schedule.h"

#include <charconv>

namespace lumio::sim {
namespace {

constexpr std::array<std::string_view, kFaultKindCount> kNames = {
    "drop", "duplicate", "flip", "truncate", "split", "delay", "garbage", "replay", "silent", "disconnect"};

template <class Number>
std::optional<Number> parseWhole(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "0.015" -> 15000 millionths; "1" -> 1000000. Exact, so a printed schedule parses back unchanged.
std::optional<std::uint32_t> parseRate(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (fraction.size() > 6 || (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    const auto wholeValue = parseWhole<std::uint32_t>(whole);
    if (!wholeValue || *wholeValue > 1)
        return std::nullopt;
    std::uint32_t millionths = 0;
    if (!fraction.empty()) {
        const auto fractionValue = parseWhole<std::uint32_t>(fraction);
        if (!fractionValue)
            return std::nullopt;
        millionths = *fractionValue;
        for (std::size_t digits = fraction.size(); digits < 6; ++digits)
            millionths *= 10;
    }
    const std::uint32_t rate = *wholeValue * 1000000 + millionths;
    if (rate > 1000000)
        return std::nullopt;
    return rate;
}

std::string rateText(std::uint32_t perMillion)
{
    std::string text = std::to_string(perMillion / 1000000) + ".";
    std::string fraction = std::to_string(perMillion % 1000000);
    fraction.insert(0, 6 - fraction.size(), '0');
    while (fraction.size() > 1 && fraction.back() == '0')
        fraction.pop_back();
    return text + fraction;
}

}  // namespace

std::string_view faultKindName(FaultKind kind)
{
    return kNames[static_cast<std::size_t>(kind)];
}

std::expected<FaultSchedule, std::string> FaultSchedule::parse(std::string_view text)
{
    FaultSchedule schedule;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view pair = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        if (pair.empty())
            continue;
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            return std::unexpected("fault item without '=': " + std::string(pair));
        const std::string_view key = pair.substr(0, equals);
        const std::string_view value = pair.substr(equals + 1);
        const std::string bad = "bad value for " + std::string(key) + ": " + std::string(value);
        if (key == "seed") {
            const auto seed = parseWhole<std::uint64_t>(value);
            if (!seed)
                return std::unexpected(bad);
            schedule.seed = *seed;
            continue;
        }
        if (key == "silent") {
            const auto replies = parseWhole<std::uint32_t>(value);
            if (!replies)
                return std::unexpected(bad);
            schedule.silentAfterReplies = *replies;
            continue;
        }
        if (key == "disconnect") {
            const auto block = parseWhole<std::uint16_t>(value);
            if (!block)
                return std::unexpected(bad);
            schedule.disconnectAtBlock = *block;
            continue;
        }
        bool known = false;
        for (std::size_t index = 0; index < kRatedFaultCount; ++index) {
            if (key != kNames[index])
                continue;
            const auto rate = parseRate(value);
            if (!rate)
                return std::unexpected(bad);
            schedule.ratePerMillion[index] = *rate;
            known = true;
        }
        if (!known)
            return std::unexpected("unknown fault: " + std::string(key));
    }
    return schedule;
}

std::string FaultSchedule::toString() const
{
    std::string text = "seed=" + std::to_string(seed);
    for (std::size_t index = 0; index < kRatedFaultCount; ++index) {
        if (ratePerMillion[index] != 0)
            text += "," + std::string(kNames[index]) + "=" + rateText(ratePerMillion[index]);
    }
    if (silentAfterReplies)
        text += ",silent=" + std::to_string(*silentAfterReplies);
    if (disconnectAtBlock)
        text += ",disconnect=" + std::to_string(*disconnectAtBlock);
    return text;
}

FaultSchedule randomSchedule(std::uint64_t seed)
{
    SeededRandom random(seed ^ 0x6C756D696F53494DULL);
    FaultSchedule schedule;
    schedule.seed = seed;
    // Each kind is switched on for about a third of the seeds, at a rate up to a few per cent a frame.
    static constexpr std::array<std::uint32_t, kRatedFaultCount> kHighestRate = {
        30000, 30000, 20000, 15000, 150000, 20000, 20000, 30000};
    for (std::size_t index = 0; index < kRatedFaultCount; ++index) {
        if (random.below(3) == 0)
            schedule.ratePerMillion[index] = static_cast<std::uint32_t>(1 + random.below(kHighestRate[index]));
    }
    if (random.below(12) == 0)
        schedule.silentAfterReplies = static_cast<std::uint32_t>(random.below(120));
    if (random.below(16) == 0)
        schedule.disconnectAtBlock = static_cast<std::uint16_t>(random.below(100));
    return schedule;
}

std::uint64_t SeededRandom::next()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t mixed = state_;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
    return mixed ^ (mixed >> 31);
}

}  // namespace lumio::sim
