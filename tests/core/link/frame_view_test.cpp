#include <gtest/gtest.h>

#include "core/link/frame_view.h"
#include "core/link/frames.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using namespace lumio::test;

TEST(FrameView, CutsAStreamIntoFramesWithTheirChecks) {
    const Bytes status = bytes({0x22, 0x01, 0, 0, 0, 0x01, 8, 0x2C});
    Bytes badSum = frame55(1, 0x12, 1);
    badSum[7] = 0x00;
    const Bytes reply = dataReply(1, kReadCode, "at32f403avgt7");
    const Bytes ack = blockAck(1, 10000, 1952);
    const Bytes request = blockRequest(1, 10001, 1952, "0123456789");
    const Bytes stream = attentionPreamble() + "xy" + frame55(1, 0x12, 1) + badSum + status + reply + ack + request +
                         ack.substr(0, 5);
    const std::vector<CutFrame> expected = {
        {attentionPreamble(), "preamble", FrameCheck::Right},
        {"xy", "", FrameCheck::NotFramed},
        {frame55(1, 0x12, 1), "55", FrameCheck::Right},
        {badSum, "55", FrameCheck::Wrong},
        {status, "22", FrameCheck::Right},
        {reply, "i", FrameCheck::Right},
        {ack, "j", FrameCheck::Right},
        {request, "j", FrameCheck::Right},
        {ack.substr(0, 5), "", FrameCheck::Incomplete},
    };
    EXPECT_EQ(cutFrames(stream), expected);
}

TEST(FrameView, LineShowsKindCheckAndBytes) {
    EXPECT_EQ(frameLine({frame55(1, 0x12, 1), "55", FrameCheck::Right}), toGbk("[55 校验正确] 55 01 12 00 00 00 01 69"));
    EXPECT_EQ(frameLine({"ab", "", FrameCheck::NotFramed}), toGbk("[非帧数据] 61 62"));
}

}  // namespace
}  // namespace lumio
