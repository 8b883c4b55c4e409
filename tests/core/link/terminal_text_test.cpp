#include <gtest/gtest.h>

#include "core/link/terminal_text.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;

TEST(TerminalText, BatchesCarryOnlyWhatArrived) {
    TerminalText terminal;
    EXPECT_TRUE(terminal.flush().empty());
    terminal.receive("hello ");
    terminal.receive("world");
    EXPECT_TRUE(terminal.text().empty()) << "nothing is shown before the tick";
    EXPECT_EQ(terminal.flush().appended, "hello world");
    terminal.receive("!");
    const TerminalText::Batch batch = terminal.flush();
    EXPECT_EQ(batch.appended, "!");
    EXPECT_FALSE(batch.rebuilt);
    EXPECT_EQ(terminal.text(), "hello world!");
}

TEST(TerminalText, HexDisplayOfReceivedBytes) {
    TerminalText terminal;
    terminal.setHexDisplay(true);
    terminal.receive(bytes({0x01, 0xAB, 0x20}));
    EXPECT_EQ(terminal.flush().appended, "01 AB 20 ");
}

TEST(TerminalText, HexToggleRestoresPrintableText) {
    TerminalText terminal;
    terminal.receive("AT+OK\r\n");
    terminal.flush();
    terminal.setHexDisplay(true);
    EXPECT_EQ(terminal.text(), "41 54 2B 4F 4B 0D 0A ");
    terminal.receive("Z");
    terminal.flush();
    EXPECT_EQ(terminal.text(), "41 54 2B 4F 4B 0D 0A 5A ");
    terminal.setHexDisplay(false);
    EXPECT_EQ(terminal.text(), "AT+OK\r\nZ");
}

TEST(TerminalText, HexDisplayToTextRules) {
    EXPECT_EQ(hexDisplayToText(" 41 42 "), "AB");
    EXPECT_EQ(hexDisplayToText("4142"), bytes({0x41, 0x02}));  // a pair every third character
    EXPECT_EQ(hexDisplayToText("zz 41"), bytes({0x00, 0x41}));
    EXPECT_EQ(hexDisplayToText(std::string(1023, ' ')), "");
    std::string long1024;
    while (long1024.size() < 1024) long1024 += "41 ";
    EXPECT_EQ(hexDisplayToText(long1024), "") << "1024 characters or more empty the text";
    EXPECT_EQ(hexDisplayToText(long1024.substr(0, 1023)).size(), 341u);
}

TEST(TerminalText, DoubleByteCharacterIsNotCutBetweenBatches) {
    TerminalText terminal;
    const Bytes word = toGbk("中文");
    terminal.receive(word.substr(0, 3));
    EXPECT_EQ(terminal.flush().appended, word.substr(0, 2));
    terminal.receive(word.substr(3));
    EXPECT_EQ(terminal.flush().appended, word.substr(2));
}

TEST(TerminalText, ScrollBackIsBoundedWithAMarker) {
    TerminalText terminal(1000);
    bool rebuilt = false;
    for (int i = 0; i < 100; ++i) {
        terminal.receive("line of text 0123456789\r\n");
        rebuilt = terminal.flush().rebuilt || rebuilt;
        EXPECT_LE(terminal.text().size(), 1000u + scrollBackMarker().size());
    }
    EXPECT_TRUE(rebuilt);
    EXPECT_TRUE(startsWith(terminal.text(), scrollBackMarker()));
    EXPECT_TRUE(startsWith(terminal.text().substr(scrollBackMarker().size()), "line of text"))
        << "the cut falls on a line end";
    EXPECT_TRUE(endsWith(terminal.text(), "0123456789\r\n"));
}

TEST(TerminalText, StampStartsTheBatchOnItsOwnLine) {
    TerminalText terminal;
    terminal.receive("a");
    EXPECT_EQ(terminal.flush("[10:00:00.000]").appended, "[10:00:00.000] a");
    terminal.receive("b");
    EXPECT_EQ(terminal.flush("[10:00:00.050]").appended, "\r\n[10:00:00.050] b");
    terminal.clear();
    EXPECT_EQ(terminal.text(), "");
}

}  // namespace
}  // namespace lumio
