#include <gtest/gtest.h>

#include "core/link/frames.h"
#include "core/text/gbk.h"
#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;

struct FrameCase {
    const char* name;
    Bytes frame;
    Bytes expected;
};

class WorkedFrames : public testing::TestWithParam<FrameCase> {};

TEST_P(WorkedFrames, AreByteExact) { EXPECT_EQ(hexPairs(GetParam().frame), hexPairs(GetParam().expected)); }

INSTANTIATE_TEST_SUITE_P(
    Requests, WorkedFrames,
    testing::Values(
        FrameCase{"ReadClock", readRequest(1, 21), bytes({0x01, 0x69, 0x00, 0x15, 0x00, 0x00, 0x4C, 0x07})},
        FrameCase{"WriteAddress3", frame55(0xF5, 0x41, 3), bytes({0x55, 0xF5, 0x41, 0x00, 0x00, 0x00, 0x03, 0x8E})},
        FrameCase{"ReadAddress", frame55(0xF5, 0x40, 0), bytes({0x55, 0xF5, 0x40, 0x00, 0x00, 0x00, 0x00, 0x8A})},
        FrameCase{"ReadProgramFirst", readProgramRequest(1, 0).substr(0, 6), bytes({0x01, 0x67, 0, 0, 0, 0})},
        FrameCase{"ReadProgramNext", readProgramRequest(1, 1).substr(0, 6), bytes({0x01, 0x67, 0, 1, 0, 0})},
        FrameCase{"BlockHead", blockRequest(2, 0x0102, 0x0304, "ab").substr(0, 9),
                  bytes({0x02, 0x6A, 0x01, 0x02, 0x03, 0x04, 0x02, 'a', 'b'})},
        FrameCase{"WriteHead", writeRequest(1, 21, bytes({7, 8, 9, 2, 5, 3, 0x18})).substr(0, 14),
                  bytes({0x01, 0x6C, 0x00, 0x15, 0x00, 0x07, 0x07, 7, 8, 9, 2, 5, 3, 0x18})}),
    [](const testing::TestParamInfo<FrameCase>& info) { return info.param.name; });

TEST(Frames, CrcRequestsEndInTheirCheckLowByteFirst) {
    const Bytes frames[] = {readProgramRequest(7, 1), readRequest(7, 102, 1152), blockRequest(7, 3, 9, Bytes(50, 'z')),
                            writeRequest(7, 10, "secret")};
    for (const Bytes& frame : frames) EXPECT_TRUE(crcFrameChecks(frame)) << hexPairs(frame);
    // The sixteen-byte write request of a seven-byte payload.
    EXPECT_EQ(writeRequest(1, 21, Bytes(7, '\0')).size(), 16u);
    EXPECT_EQ(blockRequest(1, 0, 1, Bytes(50, 'x')).size(), 59u);
}

TEST(Frames, PayloadsLongerThanTheLengthByteAreCut) {
    EXPECT_EQ(writeRequest(1, 10, Bytes(300, 'p')).size(), 255u + 9);
    EXPECT_EQ(blockRequest(1, 0, 1, Bytes(300, 'p')).size(), 255u + 9);
}

TEST(AttentionPreamble, HasItsFixedFrameAroundTheIdentification) {
    const Bytes preamble = attentionPreamble("ABCDEFGHIJKLM");
    EXPECT_EQ(preamble.size(), kPreambleSize);
    EXPECT_EQ(preamble, bytes({0xFF, 0x00, 0xFF, 0x00, 0xAA, 0x55}) + "ABCDEFGHIJKLM" + bytes({0}));
    EXPECT_EQ(attentionPreamble(), attentionPreamble(kDefaultPreambleIdentification));
}

TEST(AttentionPreamble, InvalidIdentificationFallsBackToTheDefault) {
    for (std::string_view text : {"", "SHORT", "FOURTEEN-CHARS", "TAB\tINSIDE-13", "CTRL\x01INSIDE13"}) {
        EXPECT_FALSE(isValidPreambleIdentification(text)) << text;
        EXPECT_EQ(attentionPreamble(text), attentionPreamble()) << text;
    }
    EXPECT_TRUE(isValidPreambleIdentification("with spaces 1"));
    EXPECT_TRUE(isValidPreambleIdentification(kDefaultPreambleIdentification));
}

TEST(CrcReply, ReadsPastTheEndAsZero) {
    const Bytes frame = bytes({1, 0x69, 200, 5});
    const CrcReply reply{frame};
    EXPECT_EQ(reply.length(), 200);
    EXPECT_EQ(reply.data(), bytes({5}));
    EXPECT_EQ(reply.at(10), 0);
    EXPECT_EQ(reply.u16(3), 0x0500);
}

}  // namespace
}  // namespace lumio
