#include "core/settings/verify_setting.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(VerifySetting, ReadFromProfile) {
    const struct {
        const char* profile;
        bool expected;
    } cases[] = {
        {"", true},
        {"[canshu_v2]\r\ncom_num=2\r\n", true},
        {"[canshu_v2]\r\nverify_write=0\r\n", false},
        {"[canshu_v2]\r\nverify_write=1\r\n", true},
        {"[canshu_v2]\r\nverify_write=yes\r\n", true},
        {"[other]\r\nverify_write=0\r\n", true},
    };
    for (const auto& c : cases) EXPECT_EQ(readVerifyAfterWrite(c.profile), c.expected) << c.profile;
}

TEST(VerifySetting, WrittenBesideTheLinkKeysAndReadBack) {
    const Bytes before = "[canshu_v2]\r\ncom_num=2\r\n";
    const Bytes off = applySettingsWrites(before, {verifyAfterWriteSetting(false)});
    EXPECT_FALSE(readVerifyAfterWrite(off));
    EXPECT_EQ(readLinkSettings(off).comIndex, 2);
    EXPECT_TRUE(readVerifyAfterWrite(applySettingsWrites(off, {verifyAfterWriteSetting(true)})));
}

}  // namespace
}  // namespace lumio
