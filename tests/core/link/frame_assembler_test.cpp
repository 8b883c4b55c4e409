#include <gtest/gtest.h>

#include "core/link/frame_assembler.h"
#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;
using test::dataReply;
using test::shortReply;

constexpr std::uint8_t kAddress = 1;

// Feeds `input` to the CRC assembler and returns every frame it delivered.
std::vector<Bytes> feedCrc(FrameAssembler& assembler, ByteView input) {
    std::vector<Bytes> frames;
    for (char c : input) {
        if (auto frame = assembler.pushCrc(static_cast<std::uint8_t>(c), kAddress)) frames.emplace_back(*frame);
    }
    return frames;
}

std::vector<Bytes> feedAddress(FrameAssembler& assembler, ByteView input) {
    std::vector<Bytes> frames;
    for (char c : input) {
        if (auto frame = assembler.pushAddress(static_cast<std::uint8_t>(c))) frames.emplace_back(*frame);
    }
    return frames;
}

TEST(CrcAssembler, DeliversEachReplyFamilyWhole) {
    const Bytes replies[] = {dataReply(kAddress, 'i', bytes({7, 8, 9, 2, 5, 3, 0x18})), dataReply(kAddress, 'g', ""),
                             dataReply(kAddress, 'g', Bytes(250, 'q')), shortReply(kAddress, 'j', bytes({0, 1, 0, 2})),
                             shortReply(kAddress, 'l', bytes({0, 0x0A, 0, 0}))};
    for (const Bytes& reply : replies) {
        FrameAssembler assembler;
        EXPECT_EQ(feedCrc(assembler, reply), std::vector<Bytes>{reply}) << hexPairs(reply.substr(0, 3));
    }
}

TEST(CrcAssembler, BackToBackRepliesNeedNoRequestBetweenThem) {
    const Bytes first = shortReply(kAddress, 'j', bytes({0, 0, 0, 2}));
    const Bytes second = dataReply(kAddress, 'i', bytes({1, 2, 3}));
    FrameAssembler assembler;
    EXPECT_EQ(feedCrc(assembler, first + second), (std::vector<Bytes>{first, second}));
}

TEST(CrcAssembler, FailedCheckKeepsTheLastPositionUntilAByteFixesIt) {
    Bytes reply = shortReply(kAddress, 'j', bytes({0, 3, 0, 9}));
    const char right = reply.back();
    reply.back() = static_cast<char>(right ^ 0x55);
    FrameAssembler assembler;
    EXPECT_TRUE(feedCrc(assembler, reply).empty());
    EXPECT_EQ(assembler.count(), 7);
    // Wrong bytes keep replacing the last one; the right byte completes the frame.
    EXPECT_TRUE(feedCrc(assembler, bytes({0x00, 0x11})).empty());
    Bytes fixed = reply;
    fixed.back() = right;
    EXPECT_EQ(feedCrc(assembler, ByteView(&right, 1)), std::vector<Bytes>{fixed});
    EXPECT_EQ(assembler.count(), 0);
}

TEST(CrcAssembler, RequestStartsANewFrame) {
    const Bytes reply = dataReply(kAddress, 'i', bytes({1, 2, 3}));
    FrameAssembler assembler;
    feedCrc(assembler, reply.substr(0, 4));
    assembler.requestSent();
    EXPECT_EQ(feedCrc(assembler, reply), std::vector<Bytes>{reply});
    // Without the request the stale start would swallow the reply.
    FrameAssembler stale;
    feedCrc(stale, reply.substr(0, 4));
    EXPECT_TRUE(feedCrc(stale, reply).empty());
}

TEST(CrcAssembler, FrameOfAnotherAddressCompletesAndIsDropped) {
    const Bytes foreign = shortReply(9, 'j', bytes({0, 0, 0, 1}));
    const Bytes own = shortReply(kAddress, 'j', bytes({0, 0, 0, 1}));
    FrameAssembler assembler;
    EXPECT_TRUE(feedCrc(assembler, foreign).empty());
    EXPECT_EQ(assembler.count(), 0);
    EXPECT_EQ(feedCrc(assembler, own), std::vector<Bytes>{own});
}

TEST(CrcAssembler, OtherCodesKeepTheLengthOfThePreviousFrame) {
    // After an 'i' reply with n = 2 (7 bytes) a frame with code 'x' is taken as 7 bytes long.
    const Bytes first = dataReply(kAddress, 'i', bytes({4, 5}));
    Bytes other = bytes({kAddress, 'x', 1, 2, 3});
    appendCrc(other);
    FrameAssembler assembler;
    EXPECT_EQ(feedCrc(assembler, first + other), (std::vector<Bytes>{first, other}));
    EXPECT_EQ(assembler.expectedLength(), 7);
}

TEST(CrcAssembler, LengthBytesFrom251CannotBeAssembled) {
    for (int n : {251, 252, 253, 254, 255}) {
        FrameAssembler assembler;
        Bytes input = bytes({kAddress, 'i', n});
        input += Bytes(300, '\x5A');
        EXPECT_TRUE(feedCrc(assembler, input).empty()) << n;
        // The next request resets the assembler and a good reply goes through.
        assembler.requestSent();
        const Bytes good = dataReply(kAddress, 'i', bytes({1}));
        EXPECT_EQ(feedCrc(assembler, good), std::vector<Bytes>{good}) << n;
    }
}

TEST(AddressAssembler, SkipsBytesBeforeTheMarkerAndChecksTheSum) {
    Bytes reply = bytes({0x22, 0x07, 1, 2, 3, 4, 5});
    reply.push_back(static_cast<char>(sum8(reply)));
    FrameAssembler assembler;
    EXPECT_EQ(feedAddress(assembler, bytes({0x00, 0x13}) + reply), std::vector<Bytes>{reply});

    // A wrong sum byte is replaced by the next one.
    Bytes wrong = reply;
    wrong.back() = static_cast<char>(reply.back() + 1);
    FrameAssembler retry;
    EXPECT_TRUE(feedAddress(retry, wrong).empty());
    EXPECT_EQ(feedAddress(retry, ByteView(&reply.back(), 1)), std::vector<Bytes>{reply});
}

}  // namespace
}  // namespace lumio
