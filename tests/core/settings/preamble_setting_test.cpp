#include <gtest/gtest.h>

#include "core/link/frames.h"
#include "core/settings/link_settings.h"
#include "core/settings/preamble_setting.h"

namespace lumio {
namespace {

TEST(PreambleSetting, OverridesTheIdentificationOnlyWithThirteenPrintableCharacters) {
    const struct {
        const char* profile;
        const char* expected;
    } cases[] = {
        {"", "LUMIO-LINK-01"},
        {"[canshu_v2]\r\npreamble_id=ABCDEFGHIJKLM\r\n", "ABCDEFGHIJKLM"},
        {"[canshu_v2]\r\npreamble_id=\" ABCDEFGHIJK \"\r\n", " ABCDEFGHIJK "},
        {"[canshu_v2]\r\npreamble_id=TOO-SHORT\r\n", "LUMIO-LINK-01"},
        {"[canshu_v2]\r\npreamble_id=FOURTEEN-CHARS\r\n", "LUMIO-LINK-01"},
        {"[other]\r\npreamble_id=ABCDEFGHIJKLM\r\n", "LUMIO-LINK-01"},
    };
    for (const auto& c : cases) EXPECT_EQ(readPreambleIdentification(c.profile), c.expected) << c.profile;
}

TEST(PreambleSetting, IsIgnoredByTheLinkSettingsReader) {
    EXPECT_EQ(readLinkSettings("[canshu_v2]\r\npreamble_id=ABCDEFGHIJKLM\r\n"), LinkSettings{});
}

}  // namespace
}  // namespace lumio
