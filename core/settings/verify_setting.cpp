#include "core/settings/verify_setting.h"

#include "core/settings/profile_text.h"

namespace lumio {

bool readVerifyAfterWrite(ByteView profile) {
    const std::optional<std::string> value = profileValue(profile, kSettingsSection, kVerifyWriteKey);
    return !(value && trimBlanks(*value) == "0");
}

SettingsWrite verifyAfterWriteSetting(bool on) { return SettingsWrite{kVerifyWriteKey, on ? "1" : "0"}; }

}  // namespace lumio
