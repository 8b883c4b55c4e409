#include "core/settings/preamble_setting.h"

#include "core/link/frames.h"
#include "core/settings/link_settings.h"
#include "core/settings/profile_text.h"

namespace lumio {

std::string readPreambleIdentification(ByteView profile) {
    const std::optional<std::string> value = profileValue(profile, kSettingsSection, kPreambleIdKey);
    if (value && isValidPreambleIdentification(*value)) return *value;
    return std::string(kDefaultPreambleIdentification);
}

}  // namespace lumio
