#include "sim/board_model.h"

#include <gtest/gtest.h>

#include "board_test_support.h"
#include "sim/board_image.h"

namespace lumio::sim {
namespace {

using test::hex;

Bytes programOf(std::size_t bodySize)
{
    Bytes body(bodySize);
    for (std::size_t index = 0; index < body.size(); ++index)
        body[index] = static_cast<std::uint8_t>(index * 7 + 3);
    return programImageWithBody(body);
}

// Writes an image block by block as an editor does, checking each acknowledgement.
void writeImage(BoardModel& board, const Bytes& image)
{
    const std::size_t total = (image.size() + 49) / 50;
    for (std::size_t index = 0; index < total; ++index) {
        const std::size_t end = std::min(image.size(), index * 50 + 50);
        Bytes request = test::blockRequest(1, static_cast<std::uint16_t>(index), static_cast<std::uint16_t>(total),
                                           ByteView(image).subspan(index * 50, end - index * 50));
        if (index == 0) {
            Bytes preambled = test::attention();
            preambled.insert(preambled.end(), request.begin(), request.end());
            request = preambled;
        }
        Bytes ack{0x01, 0x6A, static_cast<std::uint8_t>(index >> 8), static_cast<std::uint8_t>(index),
                  static_cast<std::uint8_t>(total >> 8), static_cast<std::uint8_t>(total)};
        ASSERT_EQ(test::onlyReply(board.receive(request)), test::withCrc(ack)) << "block " << index;
    }
}

// Reads the program back as an editor does: p = 0, then p = 1 until the last block.
Bytes readImage(BoardModel& board, std::size_t* blocksSeen = nullptr)
{
    Bytes image;
    bool next = false;
    for (std::size_t guard = 0; guard < 20000; ++guard) {
        const Bytes reply = test::onlyReply(board.receive(test::readProgramRequest(1, next)));
        if (reply.size() < 5 || reply[1] != 0x67 || reply[2] <= 4 || !crcMatches(reply))
            return {};
        const std::size_t index = readBigEndian16(reply, 3);
        const std::size_t total = readBigEndian16(reply, 5);
        if (image.size() < index * 50 + reply[2] - 4u)
            image.resize(index * 50 + reply[2] - 4u);
        std::copy(reply.begin() + 7, reply.end() - 2, image.begin() + static_cast<std::ptrdiff_t>(index * 50));
        if (blocksSeen)
            *blocksSeen = total;
        if (index + 1 == total)
            return image;
        next = true;
    }
    return {};
}

TEST(BoardModel, WriteThenReadIsARoundTrip)
{
    // Images whose sizes make the last block full, one byte long and anything between.
    for (const std::size_t body : {84u, 85u, 0u, 34u, 4984u}) {
        BoardModel board;
        const Bytes image = programOf(body);
        writeImage(board, image);
        EXPECT_EQ(board.programMemory(), image) << "body " << body;
        EXPECT_EQ(board.writesCompleted(), 1u);
        EXPECT_EQ(board.attentionsSeen(), 1u);
        std::size_t blocks = 0;
        EXPECT_EQ(readImage(board, &blocks), image) << "body " << body;
        EXPECT_EQ(blocks, (image.size() + 49) / 50);
    }
}

TEST(BoardModel, BlocksOfAHundredAndOneBytes)
{
    // 101 bytes go as three blocks, the last holding one byte.
    BoardModel board;
    const Bytes image = programOf(85);
    ASSERT_EQ(image.size(), 101u);
    writeImage(board, image);
    const Bytes last = test::onlyReply(board.receive(test::readProgramRequest(1, false)));
    ASSERT_EQ(last[2], 54);
    board.receive(test::readProgramRequest(1, true));
    const Bytes third = test::onlyReply(board.receive(test::readProgramRequest(1, true)));
    EXPECT_EQ(third, test::withCrc({0x01, 0x67, 0x05, 0x00, 0x02, 0x00, 0x03, image.back()}));
}

TEST(BoardModel, AResentBlockIsAcknowledgedAgainAndAMissingOneLeavesZeros)
{
    BoardModel board;
    const Bytes image = programOf(134);  // 150 bytes, three blocks
    const Bytes first = test::blockRequest(1, 0, 3, ByteView(image).first(50));
    EXPECT_EQ(board.receive(first).replies.size(), 1u);
    EXPECT_EQ(board.receive(first).replies.size(), 1u);
    // Block 1 never arrives; block 2 is still stored where its index says.
    EXPECT_EQ(board.receive(test::blockRequest(1, 2, 3, ByteView(image).subspan(100))).replies.size(), 1u);
    Bytes expected = image;
    std::fill(expected.begin() + 50, expected.begin() + 100, 0);
    EXPECT_EQ(board.programMemory(), expected);
}

TEST(BoardModel, RefusesBlocksThatDoNotFit)
{
    BoardModel board;
    const Bytes before = board.programMemory();
    const Bytes data(50, 0x11);
    const Bytes refused[] = {
        test::blockRequest(1, 10000, 10001, data),            // beyond the program memory
        test::blockRequest(1, 3, 2, data),                    // index past the total
        test::blockRequest(1, 1, 4, data),                    // no write was started
        test::blockRequest(1, 0, 2, Bytes(51, 0x11)),         // more than a block
    };
    for (const Bytes& request : refused)
        EXPECT_TRUE(board.receive(request).replies.empty()) << hexText(request);
    EXPECT_EQ(board.programMemory(), before);
}

TEST(BoardModel, ClockSetAndRead)
{
    BoardModel board;
    // 2024-03-05 09:08:07, a Tuesday.
    const Bytes payload = hex("07 08 09 02 05 03 18");
    EXPECT_EQ(test::onlyReply(board.receive(test::writeRegisterRequest(1, 21, payload))),
              test::withCrc({0x01, 0x6C, 0x15, 0x00, 0x00, 0x00}));
    const Bytes read = test::onlyReply(board.receive(hex("01 69 00 15 00 00 4C 07")));
    EXPECT_EQ(read, test::withCrc(Bytes{0x01, 0x69, 0x07, 0x07, 0x08, 0x09, 0x02, 0x05, 0x03, 0x18}));
    board.advance(61'500);
    EXPECT_EQ(board.clock(), (ClockPayload{8, 9, 9, 2, 5, 3, 24}));
    EXPECT_EQ(test::onlyReply(board.receive(test::writeRegisterRequest(1, 21, hex("07 08 09 02 1E 02 18"))))[3],
              0x01) << "30 February is refused";
}

TEST(BoardModel, LockKeepsTheProgramFromBeingRead)
{
    BoardModel board;
    const Bytes password = hex("31 32 33");
    struct Step {
        std::uint16_t registerNumber;
        Bytes password;
        std::uint8_t result;
        bool lockedAfter;
    };
    const Step steps[] = {
        {12, password, 0x0C, false},  // unlocking an open board: nothing to do
        {10, password, 0x0A, true},
        {10, hex("39"), 0x0B, true},   // already locked
        {12, hex("39"), 0x0D, true},   // wrong password
        {12, password, 0x0C, false},
        {10, {}, 0x0B, false},         // an empty password locks nothing
    };
    for (const Step& step : steps) {
        const Bytes reply = test::onlyReply(board.receive(test::writeRegisterRequest(1, step.registerNumber, step.password)));
        ASSERT_EQ(reply.size(), 8u);
        EXPECT_EQ(reply[1], 0x6C);
        EXPECT_EQ(reply[3], step.result);
        EXPECT_EQ(board.locked(), step.lockedAfter);
    }
    board.receive(test::writeRegisterRequest(1, 10, password));
    // A locked board answers a read with a 'g' reply of n = 0, which the editor shows as a data error.
    EXPECT_EQ(test::onlyReply(board.receive(test::readProgramRequest(1, false))), test::withCrc({0x01, 0x67, 0x00}));
}

TEST(BoardModel, ModuleAddress)
{
    BoardModel board;
    EXPECT_EQ(test::onlyReply(board.receive(hex("55 F5 40 00 00 00 00 8A"))), hex("22 01 00 00 00 00 00 23"));
    // The worked frame: write address 3 to every module on the line.
    EXPECT_EQ(test::onlyReply(board.receive(hex("55 F5 41 00 00 00 03 8E"))), hex("22 03 00 00 00 00 00 25"));
    EXPECT_EQ(board.address(), 3);
    EXPECT_TRUE(board.receive(hex("01 69 00 15 00 00 4C 07")).replies.empty()) << "no longer address 1";
    EXPECT_EQ(test::onlyReply(board.receive(test::readRegisterRequest(3, 21))).front(), 0x03);
}

TEST(BoardModel, RegistersAnswerWithTheirData)
{
    BoardModel board;
    struct Case {
        std::uint16_t registerNumber;
        std::size_t length;
    };
    for (const Case entry : {Case{20, 100}, Case{102, 46}, Case{1, 4}, Case{3, 20}, Case{21, 7}}) {
        const Bytes reply = test::onlyReply(board.receive(test::readRegisterRequest(1, entry.registerNumber)));
        ASSERT_EQ(reply.size(), entry.length + 5) << entry.registerNumber;
        EXPECT_EQ(reply[2], entry.length);
        EXPECT_TRUE(crcMatches(reply));
    }
    const Bytes report = test::onlyReply(board.receive(test::readRegisterRequest(1, 20)));
    // d[52..55] = 0x12345678, little-endian, switches on the protocol lines of the report.
    EXPECT_EQ(Bytes(report.begin() + 3 + 52, report.begin() + 3 + 56), hex("78 56 34 12"));
    EXPECT_TRUE(board.receive(test::readRegisterRequest(1, 77)).replies.empty());
}

class TakesFirmware : public BoardExtension {
public:
    bool handle(const Request& request, std::vector<Bytes>& replies) override
    {
        if (request.kind != RequestKind::ReadRegister || request.first != 101)
            return false;
        replies.push_back(hex("01 69 00"));
        return true;
    }
};

TEST(BoardModel, AnExtensionSeesRequestsFirst)
{
    BoardModel board;
    EXPECT_TRUE(board.receive(test::readRegisterRequest(1, 101)).replies.empty());
    board.setExtension(std::make_unique<TakesFirmware>());
    EXPECT_EQ(test::onlyReply(board.receive(test::readRegisterRequest(1, 101))), hex("01 69 00"));
    EXPECT_EQ(test::onlyReply(board.receive(test::readRegisterRequest(1, 21))).size(), 12u);
}

}  // namespace
}  // namespace lumio::sim
