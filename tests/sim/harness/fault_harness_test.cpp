// The CI share of the fault harness: a few hundred seeded schedules per run over every operation, the
// oracle checked on each. A failing case prints the line that replays it alone with the bench tool
// (fault_harness_bench ... --trace).
#include "sim/harness/fault_harness.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "sim/board_frames.h"

namespace lumio::harness {
namespace {

struct Share {
    HarnessOperation operation;
    std::uint64_t schedules;
    std::uint32_t imageSize;
};

// 560 schedules in all; writes and reads get the most, with images of a few dozen blocks.
constexpr Share kShares[] = {
    {HarnessOperation::WriteAll, 200, 2000},     {HarnessOperation::ReadAll, 160, 2000},
    {HarnessOperation::SetClock, 20, 16},        {HarnessOperation::ReadClock, 20, 16},
    {HarnessOperation::Lock, 20, 16},            {HarnessOperation::Unlock, 20, 16},
    {HarnessOperation::ReadAddress, 20, 16},     {HarnessOperation::WriteAddress, 20, 16},
    {HarnessOperation::HardwareInfo, 20, 16},    {HarnessOperation::HardwareInfo2, 20, 16},
    {HarnessOperation::LearnRadio, 20, 16},      {HarnessOperation::LearnInfrared, 20, 16},
};

void PrintTo(const Share& share, std::ostream* out)
{
    *out << harnessOperationName(share.operation) << " x" << share.schedules;
}

class FaultHarness : public testing::TestWithParam<Share> {};

TEST_P(FaultHarness, OracleHoldsOnEverySchedule)
{
    const Share share = GetParam();
    std::uint64_t successes = 0;
    for (std::uint64_t seed = 1; seed <= share.schedules; ++seed) {
        const HarnessCase harnessCase{share.operation, sim::randomSchedule(seed), share.imageSize};
        const HarnessResult result = runHarnessCase(harnessCase);
        EXPECT_TRUE(result.oracleHeld) << result.violation << "\n  faults fired: " << result.faultsFired
                                       << "\n  replay: fault_harness_bench " << replayArguments(harnessCase)
                                       << " --trace";
        successes += result.succeeded ? 1 : 0;
    }
    // Most schedules are mild: an oracle that only ever sees failures proves nothing.
    EXPECT_GT(successes, share.schedules / 4) << harnessOperationName(share.operation);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, FaultHarness, testing::ValuesIn(kShares),
                         [](const testing::TestParamInfo<Share>& info) {
                             std::string name(harnessOperationName(info.param.operation));
                             std::erase(name, '-');
                             return name;
                         });

TEST(FaultHarnessReplay, APrintedCaseReplaysTheSameRun)
{
    const HarnessCase harnessCase{HarnessOperation::WriteAll,
                                  *sim::FaultSchedule::parse("seed=4242,drop=0.05,split=0.2,garbage=0.05,replay=0.1"),
                                  1500};
    const HarnessResult first = runHarnessCase(harnessCase, true);
    const auto again = sim::FaultSchedule::parse(harnessCase.schedule.toString());
    ASSERT_TRUE(again);
    const HarnessResult second = runHarnessCase({harnessCase.operation, *again, harnessCase.imageSize}, true);
    EXPECT_EQ(first.trace, second.trace);
    EXPECT_EQ(first.virtualMilliseconds, second.virtualMilliseconds);
    EXPECT_EQ(first.faultsFired, second.faultsFired);
    EXPECT_FALSE(first.trace.empty());
}

TEST(FaultHarnessCoverage, EveryFaultKindFiresAcrossTheWriteShare)
{
    std::array<bool, sim::kFaultKindCount> fired{};
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const HarnessResult result = runHarnessCase({HarnessOperation::WriteAll, sim::randomSchedule(seed), 2000});
        for (std::size_t kind = 0; kind < sim::kFaultKindCount; ++kind) {
            const std::string name(sim::faultKindName(static_cast<sim::FaultKind>(kind)));
            fired[kind] = fired[kind] || result.faultsFired.find(name + " ") != std::string::npos;
        }
    }
    for (std::size_t kind = 0; kind < sim::kFaultKindCount; ++kind)
        EXPECT_TRUE(fired[kind]) << sim::faultKindName(static_cast<sim::FaultKind>(kind));
}

// A board that acknowledges one block without keeping it: the session cannot know, and reports success;
// the oracle must not.
class ForgetsBlockThree : public sim::BoardExtension {
public:
    bool handle(const sim::Request& request, std::vector<sim::Bytes>& replies) override
    {
        if (request.kind != sim::RequestKind::Block || request.first != 3)
            return false;
        replies.push_back(sim::blockAcknowledgement(request.address, request.first, request.second));
        return true;
    }
};

TEST(FaultHarnessOracle, CatchesASuccessThatIsNotTrue)
{
    const HarnessResult result =
        runHarnessCase({HarnessOperation::WriteAll, sim::FaultSchedule{}, 500}, false, std::make_unique<ForgetsBlockThree>());
    EXPECT_TRUE(result.succeeded);
    EXPECT_FALSE(result.oracleHeld);
    EXPECT_EQ(result.violation, "the write was reported complete but the board holds other bytes");
}

TEST(FaultHarnessBudget, ASilentBoardEndsTheWriteInAboutThirtyThreeSeconds)
{
    // The board answers nothing at all: ten resends, then the write fails.
    const HarnessResult result = runHarnessCase({HarnessOperation::WriteAll, *sim::FaultSchedule::parse("silent=0"), 500});
    EXPECT_TRUE(result.oracleHeld) << result.violation;
    EXPECT_FALSE(result.succeeded);
    EXPECT_GE(result.virtualMilliseconds, 33000u);
    EXPECT_LE(result.virtualMilliseconds, 33300u);
}

}  // namespace
}  // namespace lumio::harness
