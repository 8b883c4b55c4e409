#include <gtest/gtest.h>

#include "core/text/bytes.h"
#include "core/text/gbk.h"
#include "core/text/numbers.h"
#include "core/text/text_table.h"

namespace lumio {
namespace {

TEST(Gbk, KnownBytePairs) {
    const std::pair<const char*, Bytes> cases[] = {
        {"如果", Bytes("\xC8\xE7\xB9\xFB", 4)},
        {"输入3", Bytes("\xCA\xE4\xC8\xEB" "3", 5)},
        {"整数", Bytes("\xD5\xFB\xCA\xFD", 4)},
        {"（", Bytes("\xA3\xA8", 2)},
        {"€", Bytes("\x80", 1)},  // code page 936 puts the euro sign at 0x80
        {"abc", "abc"},
        {"", ""},
    };
    for (const auto& [utf8, gbk] : cases) {
        EXPECT_EQ(toGbk(utf8), gbk) << utf8;
        EXPECT_EQ(toUtf8(gbk), utf8) << utf8;
    }
}

TEST(Gbk, UnconvertibleInputNeverFails) {
    EXPECT_EQ(toGbk("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji has no GBK form
    EXPECT_EQ(toGbk("a\xFF" "b"), "a?b");               // malformed UTF-8
    EXPECT_EQ(toUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(toUtf8("a\xC8"), "a\xEF\xBF\xBD");  // a lead byte cut off at the end
}

// The first piece of input that became '?' is reported, and named for a message.
TEST(Gbk, ConversionNamesTheFirstReplacedPiece) {
    const struct {
        const char* utf8;
        const char* gbk;
        const char* replaced;
        const char* described;
    } cases[] = {
        {"温度 abc", "\xCE\xC2\xB6\xC8 abc", "", ""},
        {"a•b😀", "a?b?", "•", "“•” (U+2022)"},
        {"😀", "?", "\xF0\x9F\x98\x80", "“😀” (U+1F600)"},
        {"a\xFF" "b•", "a?b?", "\xFF", "malformed UTF-8 bytes FF"},
        {"\xE2\x80" "x", "?x", "\xE2\x80", "malformed UTF-8 bytes E2 80"},     // a sequence cut short
        {"\xC0\xAF", "?", "\xC0\xAF", "malformed UTF-8 bytes C0 AF"},               // an overlong form
        {"\xED\xA0\x80", "?", "\xED\xA0\x80", "malformed UTF-8 bytes ED A0 80"},  // a surrogate
    };
    for (const auto& c : cases) {
        const GbkConversion conversion = convertToGbk(c.utf8);
        EXPECT_EQ(conversion.text, toGbk(c.utf8)) << c.utf8;
        EXPECT_EQ(conversion.text, c.gbk) << c.utf8;
        EXPECT_EQ(conversion.firstReplaced, c.replaced) << c.utf8;
        if (*c.replaced) {
            EXPECT_EQ(describeUnconvertible(conversion.firstReplaced), c.described) << c.utf8;
        }
    }
}

TEST(Numbers, NthInteger) {
    struct Case {
        const char* text;
        int k;
        std::int32_t value;
    };
    const Case cases[] = {
        {"输入3", 1, 3},   {"a12b34", 2, 34}, {"a12b34", 3, 0}, {"x-5", 1, -5},  {"3-4", 2, -4},
        {"", 1, 0},        {"--7", 1, -7},    {"数组1_2_3", 3, 3}, {"12", 1, 12}, {"abc", 1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(nthInteger(c.text, c.k), c.value) << c.text << " #" << c.k;
}

TEST(Numbers, NthFloat) {
    EXPECT_DOUBLE_EQ(nthFloat("1.5", 1), 1.5);
    EXPECT_DOUBLE_EQ(nthFloat("-2.25x", 1), -2.25);
    EXPECT_DOUBLE_EQ(nthFloat("1.2.3", 1), 1.2);
    EXPECT_DOUBLE_EQ(nthFloat("1.2.3", 2), 3);
    EXPECT_DOUBLE_EQ(nthFloat(".5", 1), 5);
}

TEST(Numbers, NumberedPrefix) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"pa3", "PA", true},   {"PA3", "PA", true},     {"PA", "PA", false},   {"PA3a", "PA", false},
        {"输入3", "输入", true}, {"输入3a", "输入", false}, {"输入-1", "输入", true}, {"输出3", "输入", false},
    };
    for (const auto& [text, prefix, expected] : cases)
        EXPECT_EQ(matchesNumberedPrefix(toGbk(text), toGbk(prefix)), expected) << text;
}

TEST(TextTable, OneBasedWithEmptyPastTheEnd) {
    const TextTable table{"甲", "乙"};
    EXPECT_EQ(table.name(1), toGbk("甲"));
    EXPECT_EQ(table.name(2), toGbk("乙"));
    EXPECT_EQ(table.name(0), "");
    EXPECT_EQ(table.name(3), "");
}

TEST(Bytes, Helpers) {
    EXPECT_EQ(hexPairs(Bytes("\x01\x0A\xFF", 3)), "01 0A FF");
    EXPECT_EQ(hexPairs(""), "");
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimBlanks("\t a\t"), "a");
    EXPECT_EQ(asciiUpper(toGbk("pa输入")), "PA" + toGbk("输入"));
    Bytes out;
    appendU32BigEndian(out, 0x01020304);
    appendU16BigEndian(out, 0x0506);
    EXPECT_EQ(out, Bytes("\x01\x02\x03\x04\x05\x06", 6));
    EXPECT_EQ(readU32BigEndian(out, 0), 0x01020304u);
    EXPECT_EQ(formatText("%s%d", "a", 7), "a7");
}

}  // namespace
}  // namespace lumio
