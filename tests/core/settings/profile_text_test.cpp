#include <gtest/gtest.h>

#include "core/settings/profile_text.h"

namespace lumio {
namespace {

constexpr std::string_view kProfile =
    "; written by hand\r\n"
    "[other]\r\n"
    "com_num=9\r\n"
    "\r\n"
    "[Canshu_V2]\r\n"
    "  COM_NUM =  12  \r\n"
    "ip=\"10.0.0.7\"\r\n"
    "quoted='x'\r\n"
    "half=\"x\r\n"
    "flag\r\n"
    "com_num=99\r\n"
    "\r\n"
    "[canshu_v2]\r\n"
    "late=1\r\n";

TEST(ProfileText, FindsValuesAsThePlatformReadsThem) {
    struct Case {
        const char* key;
        std::optional<std::string> value;
    } const cases[] = {
        {"com_num", "12"},         // case-insensitive section and key, blanks trimmed, first key wins
        {"ip", "10.0.0.7"},        // matching quotes removed
        {"quoted", "x"},
        {"half", "\"x"},           // an unmatched quote stays
        {"flag", ""},              // a line without "=" is a key with an empty value
        {"late", std::nullopt},    // only the first section of a name counts
        {"missing", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(profileValue(kProfile, "canshu_v2", c.key), c.value) << c.key;
    EXPECT_EQ(profileValue(kProfile, "other", "com_num"), "9");
    EXPECT_EQ(profileValue(kProfile, "absent", "com_num"), std::nullopt);
    EXPECT_EQ(profileValue("\xEF\xBB\xBF[s]\nk=v", "s", "k"), "v");  // byte-order mark, LF endings, no final break
}

TEST(ProfileText, ReadsUnsignedDecimalIntegers) {
    struct Case {
        const char* value;
        std::uint32_t expected;
    } const cases[] = {
        {"300", 300},  {"+7", 7},     {"12abc", 12}, {"abc", 0},           {"-5", 0},
        {"0x10", 0},   {"007", 7},    {"4294967295", 4294967295u},         {"4294967296", 0},
        {"", 77},  // present but empty reads as missing
    };
    for (const Case& c : cases) {
        const std::string profile = std::string("[s]\r\nk=") + c.value + "\r\n";
        EXPECT_EQ(profileInteger(profile, "s", "k", 77), c.expected) << c.value;
    }
    EXPECT_EQ(profileInteger("", "s", "k", 6000), 6000u);
}

TEST(ProfileText, CutsTextAtTheLimit) {
    const std::string profile = "[s]\r\nk=" + std::string(600, 'a') + "\r\n";
    EXPECT_EQ(profileString(profile, "s", "k", 499), std::string(499, 'a'));
    EXPECT_EQ(profileString(profile, "s", "missing", 499), "");
}

TEST(ProfileText, WritesKeepEveryOtherByte) {
    struct Case {
        const char* name;
        std::string_view before;
        std::string_view after;
    } const cases[] = {
        {"new file", "", "[canshu_v2]\r\nk=v\r\n"},
        {"section added after text without a final break", "[a]\r\nx=1", "[a]\r\nx=1\r\n[canshu_v2]\r\nk=v\r\n"},
        {"key rewritten in place, spelt as given", "[CANSHU_V2]\r\n K = old \r\nz=2\r\n",
         "[CANSHU_V2]\r\nk=v\r\nz=2\r\n"},
        {"key added after the last filled line of its section", "[canshu_v2]\r\na=1\r\n\r\n[b]\r\n",
         "[canshu_v2]\r\na=1\r\nk=v\r\n\r\n[b]\r\n"},
        {"key added to a last line without a break", "[canshu_v2]\r\na=1", "[canshu_v2]\r\na=1\r\nk=v\r\n"},
        {"LF file stays LF", "[canshu_v2]\na=1\n", "[canshu_v2]\na=1\nk=v\n"},
        {"last key without a break", "[canshu_v2]\nk=1", "[canshu_v2]\nk=v"},
    };
    for (const Case& c : cases) EXPECT_EQ(withProfileValue(c.before, "canshu_v2", "k", "v"), c.after) << c.name;
}

TEST(ProfileText, ValuesCannotBreakTheLineFormat) {
    const Bytes profile = withProfileValue("", "s", "ip", "1.2.3.4\r\n[s]\r\nip=evil");
    EXPECT_EQ(profile, "[s]\r\nip=1.2.3.4[s]ip=evil\r\n");
    EXPECT_EQ(profileValue(profile, "s", "ip"), "1.2.3.4[s]ip=evil");
}

TEST(ProfileText, WrittenValuesReadBack) {
    Bytes profile;
    profile = withProfileValue(profile, "canshu_v2", "a", "1");
    profile = withProfileValue(profile, "other", "a", "2");
    profile = withProfileValue(profile, "canshu_v2", "b", "3");
    profile = withProfileValue(profile, "canshu_v2", "a", "4");
    EXPECT_EQ(profile, "[canshu_v2]\r\na=4\r\nb=3\r\n[other]\r\na=2\r\n");
}

}  // namespace
}  // namespace lumio
