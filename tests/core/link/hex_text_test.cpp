#include <gtest/gtest.h>

#include "core/link/hex_text.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using test::bytes;

TEST(ParseHexText, Cases) {
    struct Case {
        const char* text;
        Bytes expected;
    };
    const Case cases[] = {
        {"1 3 0 0 0 01", bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x01})},
        {"  55 01 12 00 00 00 01 69  ", bytes({0x55, 0x01, 0x12, 0x00, 0x00, 0x00, 0x01, 0x69})},
        {"0x55 0XaB ff", bytes({0x55, 0xAB, 0xFF})},
        {"1FF 100", bytes({0xFF, 0x00})},   // low 8 bits
        {"zz 12g 0x", bytes({0x00, 0x12, 0x00})},  // digits end at the first non-hex; empty is 0
        {"123456789", bytes({0x89})},       // nine characters are still a token
        {"1   2", bytes({0x01, 0x02})},     // runs of spaces separate
        {"\t0a\r\n", bytes({0x0A})},        // trimmed of whitespace
        {"", ""},
        {"   ", ""},
        {"12 1234567890", ""},              // a ten-character token: no bytes at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseHexText(c.text), (HexText{c.expected, HexTextStatus::Ok}));
    }
}

TEST(ParseHexText, LengthAndTokenLimits) {
    const auto line = [](size_t tokens) {
        std::string text;
        for (size_t i = 0; i < tokens; ++i) text += "1 ";
        return text;
    };
    EXPECT_EQ(parseHexText(line(200)).bytes, Bytes(200, '\x01'));
    EXPECT_EQ(parseHexText(line(201)), (HexText{{}, HexTextStatus::TooManyTokens}));
    // 497 characters padded to 499 still parse; 498 padded to 500 give nothing.
    EXPECT_EQ(parseHexText("1" + std::string(495, ' ') + "2").bytes, bytes({1, 2}));
    EXPECT_EQ(parseHexText("1" + std::string(496, ' ') + "2").bytes, "");
}

}  // namespace
}  // namespace lumio
