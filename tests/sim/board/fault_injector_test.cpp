#include "sim/fault_injector.h"

#include <gtest/gtest.h>

#include "board_test_support.h"
#include "sim/board_frames.h"

namespace lumio::sim {
namespace {

FaultSchedule only(FaultKind kind, std::uint64_t seed = 5)
{
    FaultSchedule schedule;
    schedule.seed = seed;
    schedule.setRate(kind, 1000000);
    return schedule;
}

Bytes joined(const std::vector<Piece>& pieces)
{
    Bytes bytes;
    for (const Piece& piece : pieces)
        bytes.insert(bytes.end(), piece.bytes.begin(), piece.bytes.end());
    return bytes;
}

std::uint32_t totalGap(const std::vector<Piece>& pieces)
{
    std::uint32_t gap = 0;
    for (const Piece& piece : pieces)
        gap += piece.gapMilliseconds;
    return gap;
}

const Bytes kAck = blockAcknowledgement(1, 4, 9);
const Bytes kBlock = test::blockRequest(1, 4, 9, Bytes(50, 0x33));

TEST(FaultInjector, WithoutFaultsEverythingPassesWhole)
{
    FaultInjector injector(FaultSchedule{});
    for (int round = 0; round < 50; ++round) {
        const auto pieces = injector.pass(Direction::FromBoard, kAck);
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].bytes, kAck);
        EXPECT_EQ(pieces[0].gapMilliseconds, 0u);
    }
    EXPECT_EQ(injector.firedSummary(), "none");
}

TEST(FaultInjector, EachKindFiresAndDoesWhatItSays)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        {
            FaultInjector injector(only(FaultKind::Drop, seed));
            EXPECT_TRUE(injector.pass(Direction::ToBoard, kBlock).empty());
            EXPECT_EQ(injector.fired(FaultKind::Drop), 1u);
        }
        {
            FaultInjector injector(only(FaultKind::Duplicate, seed));
            Bytes twice = kBlock;
            twice.insert(twice.end(), kBlock.begin(), kBlock.end());
            EXPECT_EQ(joined(injector.pass(Direction::ToBoard, kBlock)), twice);
        }
        {
            FaultInjector injector(only(FaultKind::Flip, seed));
            const Bytes flipped = joined(injector.pass(Direction::ToBoard, kBlock));
            ASSERT_EQ(flipped.size(), kBlock.size());
            int bitsChanged = 0;
            for (std::size_t index = 0; index < flipped.size(); ++index)
                bitsChanged += __builtin_popcount(flipped[index] ^ kBlock[index]);
            EXPECT_EQ(bitsChanged, 1);
        }
        {
            FaultInjector injector(only(FaultKind::Truncate, seed));
            const Bytes cut = joined(injector.pass(Direction::ToBoard, kBlock));
            EXPECT_LT(cut.size(), kBlock.size());
            EXPECT_GE(cut.size(), 1u);
            EXPECT_TRUE(std::equal(cut.begin(), cut.end(), kBlock.begin()));
        }
        {
            FaultInjector injector(only(FaultKind::Split, seed));
            const auto pieces = injector.pass(Direction::ToBoard, kBlock);
            EXPECT_GE(pieces.size(), 2u);
            EXPECT_GT(totalGap(pieces), 0u);
            EXPECT_EQ(joined(pieces), kBlock);
        }
        {
            FaultInjector injector(only(FaultKind::Delay, seed));
            const auto pieces = injector.pass(Direction::FromBoard, kAck);
            ASSERT_EQ(pieces.size(), 1u);
            EXPECT_GE(pieces[0].gapMilliseconds, 200u);
            EXPECT_EQ(pieces[0].bytes, kAck);
        }
        {
            FaultInjector injector(only(FaultKind::Garbage, seed));
            const Bytes noisy = joined(injector.pass(Direction::FromBoard, kAck));
            ASSERT_GT(noisy.size(), kAck.size());
            const bool before = std::equal(kAck.begin(), kAck.end(), noisy.end() - static_cast<std::ptrdiff_t>(kAck.size()));
            const bool after = std::equal(kAck.begin(), kAck.end(), noisy.begin());
            EXPECT_TRUE(before || after);
        }
        {
            FaultInjector injector(only(FaultKind::Replay, seed));
            const Bytes older = blockAcknowledgement(1, 3, 9);
            // Nothing to replay before the first acknowledgement.
            EXPECT_EQ(joined(injector.pass(Direction::FromBoard, older)), older);
            const auto pieces = injector.pass(Direction::FromBoard, kAck);
            ASSERT_EQ(pieces.size(), 2u);
            EXPECT_EQ(pieces[0].bytes, older);
            EXPECT_EQ(pieces[1].bytes, kAck);
            EXPECT_EQ(injector.fired(FaultKind::Replay), 1u);
        }
    }
}

TEST(FaultInjector, SilenceAndDisconnectAreOneOffEvents)
{
    FaultSchedule silent;
    silent.silentAfterReplies = 2;
    FaultInjector quiet(silent);
    EXPECT_FALSE(quiet.pass(Direction::FromBoard, kAck).empty());
    EXPECT_FALSE(quiet.pass(Direction::FromBoard, kAck).empty());
    EXPECT_FALSE(quiet.pass(Direction::ToBoard, kBlock).empty()) << "requests still reach the board";
    EXPECT_TRUE(quiet.pass(Direction::FromBoard, kAck).empty());
    EXPECT_EQ(quiet.fired(FaultKind::Silence), 1u);

    FaultSchedule cut;
    cut.disconnectAtBlock = 4;
    FaultInjector link(cut);
    EXPECT_FALSE(link.pass(Direction::ToBoard, test::blockRequest(1, 3, 9, Bytes(50, 0))).empty());
    EXPECT_FALSE(link.disconnected());
    EXPECT_TRUE(link.pass(Direction::ToBoard, kBlock).empty());
    EXPECT_TRUE(link.disconnected());
    EXPECT_TRUE(link.pass(Direction::FromBoard, kAck).empty());
    EXPECT_EQ(link.fired(FaultKind::Disconnect), 1u);
}

TEST(FaultInjector, SameScheduleSamePieces)
{
    const FaultSchedule schedule = *FaultSchedule::parse("seed=99,drop=0.1,duplicate=0.1,flip=0.1,truncate=0.1,"
                                                         "split=0.3,delay=0.1,garbage=0.1,replay=0.2");
    FaultInjector first(schedule);
    FaultInjector second(schedule);
    for (int round = 0; round < 300; ++round) {
        const Bytes& frame = round % 2 == 0 ? kBlock : kAck;
        const Direction direction = round % 2 == 0 ? Direction::ToBoard : Direction::FromBoard;
        const auto one = first.pass(direction, frame);
        const auto other = second.pass(direction, frame);
        ASSERT_EQ(one.size(), other.size());
        for (std::size_t index = 0; index < one.size(); ++index) {
            EXPECT_EQ(one[index].bytes, other[index].bytes);
            EXPECT_EQ(one[index].gapMilliseconds, other[index].gapMilliseconds);
        }
    }
    EXPECT_EQ(first.firedSummary(), second.firedSummary());
}

}  // namespace
}  // namespace lumio::sim
