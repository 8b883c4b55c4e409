#include "sim/fault_injector.h"

#include <algorithm>

#include "sim/board_frames.h"

namespace lumio::sim {
namespace {

constexpr std::size_t kAcknowledgementsKept = 16;

}  // namespace

FaultInjector::FaultInjector(FaultSchedule schedule) : schedule_(schedule), random_(schedule.seed) {}

bool FaultInjector::roll(FaultKind kind)
{
    // Always draw, so that one fault switched on or off leaves the other draws of a frame where they were.
    const bool hit = random_.chance(schedule_.rate(kind));
    if (hit)
        ++fired_[static_cast<std::size_t>(kind)];
    return hit;
}

Bytes FaultInjector::garbage()
{
    Bytes bytes(1 + random_.below(8));
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random_.below(256));
    return bytes;
}

std::vector<Piece> FaultInjector::splitIntoPieces(Bytes bytes)
{
    const std::size_t pieceCount = std::min<std::size_t>(bytes.size(), 2 + random_.below(3));
    std::vector<std::size_t> cuts;
    for (std::size_t index = 1; index < pieceCount; ++index)
        cuts.push_back(1 + random_.below(bytes.size() - 1));
    std::sort(cuts.begin(), cuts.end());
    cuts.push_back(bytes.size());
    std::vector<Piece> pieces;
    std::size_t begin = 0;
    for (const std::size_t cut : cuts) {
        if (cut <= begin)
            continue;
        const auto gap = static_cast<std::uint32_t>(pieces.empty() ? 0 : 1 + random_.below(400));
        pieces.push_back({gap, Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                                     bytes.begin() + static_cast<std::ptrdiff_t>(cut))});
        begin = cut;
    }
    return pieces;
}

std::vector<Piece> FaultInjector::pass(Direction direction, ByteView frame)
{
    if (disconnected_ || frame.empty())
        return {};
    const FrameFacts facts = direction == Direction::ToBoard ? requestFacts(frame) : replyFacts(frame);
    if (schedule_.disconnectAtBlock && facts.blockIndex == schedule_.disconnectAtBlock) {
        disconnected_ = true;
        ++fired_[static_cast<std::size_t>(FaultKind::Disconnect)];
        return {};
    }
    if (direction == Direction::FromBoard) {
        ++repliesSeen_;
        if (schedule_.silentAfterReplies && repliesSeen_ > *schedule_.silentAfterReplies) {
            ++fired_[static_cast<std::size_t>(FaultKind::Silence)];
            return {};
        }
    }

    const bool drop = roll(FaultKind::Drop);
    const bool duplicate = roll(FaultKind::Duplicate);
    const bool flip = roll(FaultKind::Flip);
    const bool truncate = roll(FaultKind::Truncate) && frame.size() > 1;
    const bool split = roll(FaultKind::Split) && frame.size() > 1;
    const bool delay = roll(FaultKind::Delay);
    const bool garbageAround = roll(FaultKind::Garbage);
    const bool replay = direction == Direction::FromBoard && !acknowledgements_.empty() && roll(FaultKind::Replay);

    Bytes replayed;
    if (replay)
        replayed = acknowledgements_[random_.below(acknowledgements_.size())];
    if (facts.acknowledgement && direction == Direction::FromBoard) {
        acknowledgements_.emplace_back(frame.begin(), frame.end());
        if (acknowledgements_.size() > kAcknowledgementsKept)
            acknowledgements_.pop_front();
    }
    if (drop)
        return replay ? std::vector<Piece>{{0, replayed}} : std::vector<Piece>{};

    Bytes bytes(frame.begin(), frame.end());
    if (flip) {
        const std::size_t bit = random_.below(bytes.size() * 8);
        bytes[bit / 8] ^= static_cast<std::uint8_t>(1u << (bit % 8));
    }
    if (truncate)
        bytes.resize(1 + random_.below(bytes.size() - 1));
    if (garbageAround) {
        const Bytes noise = garbage();
        const bool before = random_.below(2) == 0;
        bytes.insert(before ? bytes.begin() : bytes.end(), noise.begin(), noise.end());
    }
    std::vector<Piece> pieces = split ? splitIntoPieces(std::move(bytes)) : std::vector<Piece>{{0, std::move(bytes)}};
    if (delay)
        pieces.front().gapMilliseconds += static_cast<std::uint32_t>(200 + random_.below(3800));
    if (duplicate) {
        std::vector<Piece> again = pieces;
        again.front().gapMilliseconds = static_cast<std::uint32_t>(random_.below(50));
        pieces.insert(pieces.end(), again.begin(), again.end());
    }
    if (replay)
        pieces.insert(pieces.begin(), Piece{0, replayed});
    return pieces;
}

std::string FaultInjector::firedSummary() const
{
    std::string text;
    for (std::size_t index = 0; index < kFaultKindCount; ++index) {
        if (fired_[index] == 0)
            continue;
        if (!text.empty())
            text += ", ";
        text += std::string(faultKindName(static_cast<FaultKind>(index))) + " " + std::to_string(fired_[index]);
    }
    return text.empty() ? "none" : text;
}

}  // namespace lumio::sim
