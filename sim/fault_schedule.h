#pragma once
// A fault schedule: a seed plus a rate for each per-frame fault, and two one-off events. It prints as one
// line, "seed=7,drop=0.02,split=0.1,silent=40", and that line parses back to the same schedule, so any run
// can be replayed from what it printed.
#include <array>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace lumio::sim {

enum class FaultKind {
    Drop,       // the frame never arrives
    Duplicate,  // it arrives twice
    Flip,       // one bit of it is inverted
    Truncate,   // only its first bytes arrive
    Split,      // it arrives in pieces with gaps between them
    Delay,      // it arrives late
    Garbage,    // random bytes arrive before or after it
    Replay,     // an earlier acknowledgement of the board arrives ahead of it
    Silence,    // the board stops answering after a number of replies
    Disconnect, // the link goes down at a block index
};
inline constexpr std::size_t kFaultKindCount = 10;
inline constexpr std::size_t kRatedFaultCount = 8;  // Drop .. Replay: one rate each
std::string_view faultKindName(FaultKind kind);

struct FaultSchedule {
    std::uint64_t seed = 0;
    std::array<std::uint32_t, kRatedFaultCount> ratePerMillion{};  // probability per frame, in millionths
    std::optional<std::uint32_t> silentAfterReplies;
    std::optional<std::uint16_t> disconnectAtBlock;

    std::uint32_t rate(FaultKind kind) const { return ratePerMillion[static_cast<std::size_t>(kind)]; }
    void setRate(FaultKind kind, std::uint32_t perMillion) { ratePerMillion[static_cast<std::size_t>(kind)] = perMillion; }
    bool operator==(const FaultSchedule&) const = default;

    // Comma-separated key=value pairs: seed, the rates (decimal fractions 0..1, at most six places),
    // silent (replies before the board falls silent), disconnect (block index). Unknown keys are errors.
    static std::expected<FaultSchedule, std::string> parse(std::string_view text);
    std::string toString() const;
};

// A schedule whose rates are drawn from its seed, for harness runs over thousands of seeds: most frames
// pass, but every kind of fault turns up across a few hundred seeds.
FaultSchedule randomSchedule(std::uint64_t seed);

// SplitMix64: the same sequence on every platform and standard library.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in 0 .. bound - 1 (bound > 0).
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    bool chance(std::uint32_t perMillion) { return below(1000000) < perMillion; }

private:
    std::uint64_t state_;
};

}  // namespace lumio::sim
