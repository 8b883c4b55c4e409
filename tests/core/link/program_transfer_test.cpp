#include <gtest/gtest.h>

#include "core/model/program_image.h"
#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using namespace lumio::test;

constexpr std::uint8_t kAddress = 1;

Bytes patterned(size_t size) {
    Bytes data(size, '\0');
    for (size_t i = 0; i < size; ++i) data[i] = static_cast<char>(i * 7 + 3);
    return data;
}

// A program image that passes checkProgramImage, of `size` bytes in all.
Bytes validImage(size_t size) {
    Bytes image(kImageHeaderSize, '\0');
    image += patterned(size - kImageHeaderSize);
    sealProgramImage(image);
    return image;
}

// ---------------------------------------------------------------- write all

struct WriteCase {
    size_t imageSize;
    std::vector<size_t> blockSizes;
};

class WriteAllBlocks : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteAllBlocks, SendsEachBlockAfterTheAcknowledgementOfThePreviousOne) {
    const WriteCase& param = GetParam();
    const Bytes image = patterned(param.imageSize);
    const auto total = static_cast<std::uint16_t>(param.blockSizes.size());
    DeviceSession session;

    Effects effects = session.writeAll(image);
    EXPECT_EQ(session.operation(), LinkOperation::WriteAll);
    EXPECT_EQ(effectsOf<Progress>(effects), (std::vector<Progress>{{total, 0}}));
    size_t offset = 0;
    for (std::uint16_t index = 0; index < total; ++index) {
        const ByteView data = ByteView(image).substr(offset, param.blockSizes[index]);
        offset += data.size();
        const Bytes block = blockRequest(kAddress, index, total, data);
        // Only the first block carries the attention preamble.
        const Bytes expected = index == 0 ? attentionPreamble() + block : block;
        ASSERT_EQ(sent(effects), std::vector<Bytes>{expected}) << "block " << index;
        ASSERT_EQ(block.size(), data.size() + 9);
        effects = session.receive(blockAck(kAddress, index, total));
    }
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("全部数据已写入！", "提示")});
    EXPECT_EQ(effectsOf<Progress>(effects), (std::vector<Progress>{{total, total}, {total, 0}}));
    EXPECT_EQ(effectsOf<OperationEnded>(effects),
              ending(LinkOperation::WriteAll, Outcome::Completed));
    EXPECT_TRUE(sent(effects).empty());
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WriteAllBlocks,
                         testing::Values(WriteCase{1, {1}}, WriteCase{50, {50}}, WriteCase{100, {50, 50}},
                                         WriteCase{101, {50, 50, 1}}, WriteCase{149, {50, 50, 49}}));

TEST(WriteAll, IgnoresDuplicateAndForeignAcknowledgements) {
    DeviceSession session;
    session.writeAll(patterned(120));
    const Bytes ack0 = blockAck(kAddress, 0, 3);
    EXPECT_EQ(sent(session.receive(ack0)).size(), 1u);
    const Bytes ignored[] = {
        ack0,                                        // duplicate: the index has moved on
        blockAck(kAddress, 1, 4),                    // wrong total
        blockAck(2, 1, 3),                           // another module's address
        shortReply(kAddress, kWriteCode, bytes({0, 1, 0, 3})),  // not a block acknowledgement
    };
    for (const Bytes& reply : ignored) {
        EXPECT_TRUE(session.receive(reply).empty()) << hexPairs(reply);
        EXPECT_EQ(session.operation(), LinkOperation::WriteAll);
    }
    EXPECT_EQ(sent(session.receive(blockAck(kAddress, 1, 3))).size(), 1u);
}

TEST(WriteAll, SilentBoardGetsTenResendsThenTimesOutAfterThirtyThreeSeconds) {
    DeviceSession session;
    const Bytes image = patterned(120);
    session.writeAll(image);
    const Bytes block0 = blockRequest(kAddress, 0, 3, ByteView(image).substr(0, 50));
    int resends = 0;
    for (int tick = 1; tick <= 329; ++tick) {
        const Effects effects = session.tick();
        const bool expiry = tick % 30 == 0;
        ASSERT_EQ(sent(effects), expiry ? std::vector<Bytes>{block0} : std::vector<Bytes>{}) << "tick " << tick;
        resends += expiry ? 1 : 0;
        ASSERT_TRUE(messages(effects).empty());
    }
    EXPECT_EQ(resends, 10);
    const Effects last = session.tick();  // tick 330: 33 s
    EXPECT_EQ(messages(last), std::vector<ShowMessage>{message("写入超时失败！", "提示")});
    EXPECT_EQ(effectsOf<OperationEnded>(last), ending(LinkOperation::WriteAll, Outcome::TimedOut));
    EXPECT_TRUE(effectsOf<Progress>(last).empty()) << "the bar keeps its position";
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    EXPECT_TRUE(tickTimes(session, 100).empty());
}

TEST(WriteAll, ChattyBoardGetsOneHundredResends) {
    DeviceSession session;
    session.writeAll(patterned(60));
    int resends = 0;
    for (int expiry = 1; expiry <= 101; ++expiry) {
        session.receive(bytes({0x00}));  // a byte that is no acknowledgement
        const Effects effects = tickTimes(session, 30);
        if (expiry <= 100) {
            ASSERT_EQ(sent(effects).size(), 1u) << "expiry " << expiry;
            ++resends;
        } else {
            EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("写入超时失败！", "提示")});
        }
    }
    EXPECT_EQ(resends, 100);
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

TEST(WriteAll, AcknowledgementReloadsTheResendClock) {
    DeviceSession session;
    session.writeAll(patterned(120));
    tickTimes(session, 29);
    session.receive(blockAck(kAddress, 0, 3));
    EXPECT_TRUE(sent(tickTimes(session, 29)).empty());
    EXPECT_EQ(sent(session.tick()).size(), 1u);
}

TEST(WriteAll, RefusesImagesThatDoNotFitTheBufferAndEmptyOnes) {
    DeviceSession session;
    session.readClock();
    for (size_t size : {size_t{500000}, size_t{600000}, size_t{0}}) {
        const Effects effects = session.writeAll(Bytes(size, 'x'));
        EXPECT_TRUE(sent(effects).empty());
        ASSERT_EQ(messages(effects).size(), 1u) << size;
        EXPECT_EQ(messages(effects)[0].caption, toGbk("提示"));
        EXPECT_EQ(session.operation(), LinkOperation::ReadClock) << "the pending operation goes on";
    }
}

TEST(WriteAll, LargestImageIsWrittenToItsLastBlock) {
    // 499,999 bytes: 10,000 blocks, the last one 49 bytes at offset 499,950.
    const Bytes image = patterned(499999);
    DeviceSession session;
    session.writeAll(image);
    Effects effects;
    for (std::uint16_t index = 0; index < 9999; ++index) effects = session.receive(blockAck(kAddress, index, 10000));
    EXPECT_EQ(sent(effects),
              std::vector<Bytes>{blockRequest(kAddress, 9999, 10000, ByteView(image).substr(499950))});
    effects = session.receive(blockAck(kAddress, 9999, 10000));
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("全部数据已写入！", "提示")});
}

TEST(WriteAll, AnotherCommandReplacesItAndStopsTheResendClock) {
    DeviceSession session;
    session.writeAll(patterned(120));
    const Effects effects = session.readClock();
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::WriteAll, Outcome::Replaced));
    for (const SendBytes& send : effectsOf<SendBytes>(tickTimes(session, 400))) {
        EXPECT_NE(byteAt(send.bytes, 1), kBlockCode);
    }
}

// ---------------------------------------------------------------- read all

TEST(ReadAll, AsksForTheFirstBlockWithThePreambleAndTheNextOnesWithout) {
    const Bytes image = validImage(120);
    DeviceSession session;
    Effects effects = session.readAll();
    EXPECT_EQ(sent(effects), std::vector<Bytes>{attentionPreamble() + readProgramRequest(kAddress, 0)});
    EXPECT_EQ(readProgramRequest(kAddress, 0).substr(0, 6), bytes({1, 0x67, 0, 0, 0, 0}));
    EXPECT_EQ(session.operation(), LinkOperation::ReadAll);

    effects = session.receive(programBlock(kAddress, 0, 3, ByteView(image).substr(0, 50)));
    EXPECT_EQ(sent(effects), std::vector<Bytes>{readProgramRequest(kAddress, 1)});
    EXPECT_EQ(effectsOf<Progress>(effects), (std::vector<Progress>{{3, 0}}));
    effects = session.receive(programBlock(kAddress, 1, 3, ByteView(image).substr(50, 50)));
    EXPECT_EQ(sent(effects), std::vector<Bytes>{readProgramRequest(kAddress, 1)});
    EXPECT_TRUE(effectsOf<ImageRead>(effects).empty()) << "nothing is offered before the image is whole";

    effects = session.receive(programBlock(kAddress, 2, 3, ByteView(image).substr(100)));
    EXPECT_TRUE(sent(effects).empty());
    EXPECT_EQ(effectsOf<Progress>(effects), (std::vector<Progress>{{3, 2}, {3, 0}}));
    EXPECT_EQ(effectsOf<ImageRead>(effects), std::vector<ImageRead>{{image}});
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("全部数据已读取完毕！", "提示")});
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::ReadAll, Outcome::Completed));
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

TEST(ReadAll, OneBlockAndTotalZeroFinishOnTheFirstReply) {
    const Bytes image = validImage(40);
    for (std::uint16_t total : {1, 0}) {
        DeviceSession session;
        session.readAll();
        const Effects effects = session.receive(programBlock(kAddress, 0, total, image));
        EXPECT_TRUE(sent(effects).empty()) << total;
        EXPECT_EQ(effectsOf<ImageRead>(effects), std::vector<ImageRead>{{image}}) << total;
    }
}

struct ReadFailure {
    const char* name;
    Bytes reply;
    const char* text;
};

class ReadAllFailure : public testing::TestWithParam<ReadFailure> {};

// On every failure the user's program is untouched: no ImageRead, and the read ends.
TEST_P(ReadAllFailure, EndsWithAMessageAndOffersNoImage) {
    const ReadFailure& param = GetParam();
    DeviceSession session;
    session.readAll();
    const Effects effects = session.receive(param.reply);
    EXPECT_TRUE(effectsOf<ImageRead>(effects).empty());
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message(param.text, "提示")});
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::ReadAll, Outcome::Failed));
    ASSERT_FALSE(effectsOf<Progress>(effects).empty());
    EXPECT_EQ(effectsOf<Progress>(effects).back().position, 0u);
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

Bytes corruptedImage() {
    Bytes image = validImage(60);
    image[30] ^= 0x01;
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReadAllFailure,
    testing::Values(
        ReadFailure{"WrongCode", dataReply(kAddress, kReadCode, bytes({0, 0, 0, 1, 9})), "数据出错"},
        ReadFailure{"LengthFour", dataReply(kAddress, kReadProgramCode, bytes({0, 0, 0, 1})), "数据出错"},
        ReadFailure{"BlockAck", blockAck(kAddress, 0, 1), "数据出错"},
        ReadFailure{"BadImage", programBlock(kAddress, 0, 1, corruptedImage()), "数据有误！"},
        ReadFailure{"NoImage", programBlock(kAddress, 0, 1, bytes({1, 2, 3})), "数据有误！"},
        // Index 10000 starts past the 500,000-byte buffer; index 9999 with 51 bytes ends past it.
        ReadFailure{"PastBuffer", programBlock(kAddress, 10000, 10001, Bytes(50, 'x')), "数据出错"},
        ReadFailure{"EndsPastBuffer", programBlock(kAddress, 9999, 10001, Bytes(51, 'x')), "数据出错"}),
    [](const testing::TestParamInfo<ReadFailure>& info) { return info.param.name; });

TEST(ReadAll, LastBlockOfTheBufferFitsExactly) {
    DeviceSession session;
    session.readAll();
    const Effects effects = session.receive(programBlock(kAddress, 9999, 10001, Bytes(50, 'x')));
    EXPECT_EQ(sent(effects), std::vector<Bytes>{readProgramRequest(kAddress, 1)});
}

TEST(ReadAll, GivesUpAfterFiveSecondsWithoutABlock) {
    const Bytes image = validImage(120);
    DeviceSession session;
    session.readAll();
    EXPECT_TRUE(tickTimes(session, 49).empty());
    session.receive(programBlock(kAddress, 0, 3, ByteView(image).substr(0, 50)));
    EXPECT_TRUE(tickTimes(session, 49).empty()) << "each block restarts the wait";
    const Effects effects = session.tick();
    ASSERT_EQ(messages(effects).size(), 1u);
    EXPECT_EQ(messages(effects)[0].caption, toGbk("提示"));
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::ReadAll, Outcome::TimedOut));
    EXPECT_TRUE(effectsOf<ImageRead>(effects).empty());
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    // A block arriving late is no longer taken for the read.
    EXPECT_TRUE(effectsOf<ImageRead>(session.receive(programBlock(kAddress, 1, 3, image))).empty());
}

TEST(ReadAll, BytesNeverReceivedReadAsZeros) {
    // Total 0 ends the read at the first block; the image's zero tail was never sent but checks as zeros.
    Bytes image(kImageHeaderSize, '\0');
    image += patterned(34) + Bytes(70, '\0');
    sealProgramImage(image);
    DeviceSession session;
    session.readAll();
    const Effects effects = session.receive(programBlock(kAddress, 0, 0, ByteView(image).substr(0, 50)));
    EXPECT_EQ(effectsOf<ImageRead>(effects), std::vector<ImageRead>{{image}});
}

TEST(ReadAll, NewReadStartsFromAnEmptyBuffer) {
    const Bytes image = validImage(120);
    DeviceSession session;
    session.readAll();
    session.receive(programBlock(kAddress, 0, 3, ByteView(image).substr(0, 50)));
    session.receive(programBlock(kAddress, 1, 3, ByteView(image).substr(50, 50)));
    session.readAll();
    // Only the last block arrives this time: the first two must not be taken from the earlier read.
    const Effects effects = session.receive(programBlock(kAddress, 2, 3, ByteView(image).substr(100)));
    EXPECT_TRUE(effectsOf<ImageRead>(effects).empty());
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("数据有误！", "提示")});
}

}  // namespace
}  // namespace lumio
