#include "sim/request_scanner.h"

#include <gtest/gtest.h>

#include "board_test_support.h"

namespace lumio::sim {
namespace {

using Kind = ScanEvent::Kind;

std::vector<Kind> kinds(const std::vector<ScanEvent>& events)
{
    std::vector<Kind> result;
    for (const ScanEvent& event : events)
        result.push_back(event.kind);
    return result;
}

TEST(RequestScanner, WorkedRequestsParse)
{
    RequestScanner scanner;
    auto events = scanner.feed(test::hex("01 69 00 15 00 00 4C 07"), 1);
    ASSERT_EQ(kinds(events), std::vector{Kind::Request});
    EXPECT_EQ(events[0].request.kind, RequestKind::ReadRegister);
    EXPECT_EQ(events[0].request.first, 21);

    events = scanner.feed(test::hex("55 F5 41 00 00 00 03 8E"), 1);
    ASSERT_EQ(kinds(events), std::vector{Kind::Request});
    EXPECT_EQ(events[0].request.kind, RequestKind::Command55);
    EXPECT_EQ(events[0].request.address, 0xF5);
    EXPECT_EQ(events[0].request.code, 0x41);
    EXPECT_EQ(events[0].request.value, 3u);

    // A write request with 7 data bytes is 16 bytes long, bytes 4-6 being 00 07 07.
    const Bytes write = test::writeRegisterRequest(1, 21, test::hex("07 08 09 02 05 03 18"));
    ASSERT_EQ(write.size(), 16u);
    events = scanner.feed(write, 1);
    ASSERT_EQ(kinds(events), std::vector{Kind::Request});
    EXPECT_EQ(events[0].request.data, test::hex("07 08 09 02 05 03 18"));
    EXPECT_EQ(scanner.buffered(), 0u);
}

TEST(RequestScanner, FindsFramesInADamagedStream)
{
    const Bytes clock = test::hex("01 69 00 15 00 00 4C 07");
    struct Case {
        const char* name;
        Bytes stream;
        std::vector<Kind> expected;
    };
    Bytes preambled = test::attention();
    preambled.insert(preambled.end(), clock.begin(), clock.end());
    Bytes garbageFirst = test::hex("13 01 6A 00");
    garbageFirst.insert(garbageFirst.end(), clock.begin(), clock.end());
    Bytes badCheck = clock;
    badCheck[7] ^= 0x01;
    Bytes tornThenWhole(clock.begin(), clock.begin() + 5);
    tornThenWhole.insert(tornThenWhole.end(), clock.begin(), clock.end());
    const Case cases[] = {
        {"attention then request", preambled, {Kind::Attention, Kind::Request}},
        {"garbage before", garbageFirst, {Kind::Noise, Kind::Request}},
        {"another module's request", test::readRegisterRequest(2, 21), {Kind::Noise}},
        {"flipped check byte", badCheck, {Kind::Noise}},
        {"torn request then the whole one", tornThenWhole, {Kind::Noise, Kind::Request}},
        {"wrong sum on a 0x55 command", test::hex("55 F5 41 00 00 00 03 8F"), {Kind::Noise}},
    };
    for (const Case& entry : cases) {
        RequestScanner scanner;
        std::vector<ScanEvent> events = scanner.feed(entry.stream, 1);
        const std::vector<ScanEvent> flushed = scanner.flush();
        events.insert(events.end(), flushed.begin(), flushed.end());
        // Noise may be reported in more than one event; fold runs of it.
        std::vector<Kind> folded;
        for (const Kind kind : kinds(events)) {
            if (!(kind == Kind::Noise && !folded.empty() && folded.back() == Kind::Noise))
                folded.push_back(kind);
        }
        EXPECT_EQ(folded, entry.expected) << entry.name;
    }
}

TEST(RequestScanner, ByteByByteEqualsAllAtOnce)
{
    Bytes stream = test::attention();
    const Bytes block = test::blockRequest(1, 3, 9, Bytes(50, 0x6A));
    stream.insert(stream.end(), block.begin(), block.end());
    RequestScanner scanner;
    std::vector<Kind> seen;
    for (const std::uint8_t byte : stream) {
        for (const ScanEvent& event : scanner.feed(ByteView(&byte, 1), 1)) {
            seen.push_back(event.kind);
            if (event.kind == Kind::Request) {
                EXPECT_EQ(event.request.raw, block);
            }
        }
    }
    EXPECT_EQ(seen, (std::vector{Kind::Attention, Kind::Request}));
}

TEST(RequestScanner, ATornFrameIsGivenUpWhenTheLineFallsSilent)
{
    RequestScanner scanner;
    EXPECT_TRUE(scanner.feed(test::hex("01 6A 00 00 00 02 32 AA"), 1).empty());
    EXPECT_EQ(scanner.buffered(), 8u);
    EXPECT_EQ(kinds(scanner.flush()), std::vector{Kind::Noise});
    EXPECT_EQ(scanner.buffered(), 0u);
}

TEST(RequestScanner, EndlessGarbageStaysBounded)
{
    RequestScanner scanner;
    // 01 6A ... FF announces a 264-byte block that never checks out.
    const Bytes garbage = test::hex("01 6A 00 00 00 01 FF");
    for (int round = 0; round < 400; ++round)
        scanner.feed(garbage, 1);
    EXPECT_LE(scanner.buffered(), 1024u);
    const auto events = scanner.feed(test::hex("01 69 00 15 00 00 4C 07"), 1);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().kind, Kind::Request);
}

}  // namespace
}  // namespace lumio::sim
