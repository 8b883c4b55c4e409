#include "sim/harness/virtual_line.h"

#include <algorithm>

namespace lumio::harness {

void VirtualLine::send(sim::Direction direction, std::vector<sim::Piece> pieces, std::uint64_t now)
{
    std::deque<Arrival>& arrivals = queue(direction);
    std::uint64_t at = now + kTransit;
    for (sim::Piece& piece : pieces) {
        at += piece.gapMilliseconds;
        if (!arrivals.empty())
            at = std::max(at, arrivals.back().at);
        arrivals.push_back({at, std::move(piece.bytes)});
    }
}

std::optional<std::uint64_t> VirtualLine::nextArrival() const
{
    std::optional<std::uint64_t> next;
    for (const std::deque<Arrival>* arrivals : {&toBoard_, &toEditor_}) {
        if (!arrivals->empty())
            next = next ? std::min(*next, arrivals->front().at) : arrivals->front().at;
    }
    return next;
}

std::optional<Arrival> VirtualLine::takeDue(sim::Direction direction, std::uint64_t now)
{
    std::deque<Arrival>& arrivals = queue(direction);
    if (arrivals.empty() || arrivals.front().at > now)
        return std::nullopt;
    Arrival arrival = std::move(arrivals.front());
    arrivals.pop_front();
    return arrival;
}

}  // namespace lumio::harness
