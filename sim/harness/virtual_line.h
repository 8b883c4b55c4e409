#pragma once
// The line between editor and board in virtual time: pieces arrive in the order they were sent, each
// after its gap, a few milliseconds after the send. Nothing overtakes: a delayed frame holds back the
// frames behind it, as on a serial line or a TCP stream.
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "sim/fault_injector.h"

namespace lumio::harness {

struct Arrival {
    std::uint64_t at = 0;  // virtual milliseconds
    sim::Bytes bytes;
};

class VirtualLine {
public:
    // One-way delay of every piece, in virtual milliseconds.
    static constexpr std::uint64_t kTransit = 2;

    void send(sim::Direction direction, std::vector<sim::Piece> pieces, std::uint64_t now);
    // The earliest arrival in either direction, if any is on its way.
    std::optional<std::uint64_t> nextArrival() const;
    // Takes the next arrival of one direction when it is due by `now`.
    std::optional<Arrival> takeDue(sim::Direction direction, std::uint64_t now);
    bool empty() const { return toBoard_.empty() && toEditor_.empty(); }

private:
    std::deque<Arrival>& queue(sim::Direction direction)
    {
        return direction == sim::Direction::ToBoard ? toBoard_ : toEditor_;
    }

    std::deque<Arrival> toBoard_;
    std::deque<Arrival> toEditor_;
};

}  // namespace lumio::harness
