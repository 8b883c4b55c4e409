#pragma once
// Applies a fault schedule to the frames crossing a link, one frame at a time, in either direction. The
// same schedule and the same frames give the same pieces, gaps and all: a run replays from its seed.
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "sim/fault_schedule.h"
#include "sim/sim_bytes.h"

namespace lumio::sim {

enum class Direction { ToBoard, FromBoard };

// Bytes that arrive after a gap (milliseconds after the previous piece, or after the frame was sent).
struct Piece {
    std::uint32_t gapMilliseconds = 0;
    Bytes bytes;
};

class FaultInjector {
public:
    explicit FaultInjector(FaultSchedule schedule);

    // What arrives at the far end when `frame` is sent; empty when nothing does.
    std::vector<Piece> pass(Direction direction, ByteView frame);

    // After a disconnect nothing crosses any more; the program closes its connection.
    bool disconnected() const { return disconnected_; }
    const FaultSchedule& schedule() const { return schedule_; }
    std::uint64_t fired(FaultKind kind) const { return fired_[static_cast<std::size_t>(kind)]; }
    // "drop 3, split 12" for the kinds that fired.
    std::string firedSummary() const;

private:
    bool roll(FaultKind kind);
    Bytes garbage();
    std::vector<Piece> splitIntoPieces(Bytes bytes);

    FaultSchedule schedule_;
    SeededRandom random_;
    std::array<std::uint64_t, kFaultKindCount> fired_{};
    std::deque<Bytes> acknowledgements_;  // recent acknowledgements of the board, for replays
    std::uint64_t repliesSeen_ = 0;
    bool disconnected_ = false;
};

}  // namespace lumio::sim
