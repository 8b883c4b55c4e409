#include "core/settings/link_settings.h"

#include "core/settings/profile_text.h"

namespace lumio {
namespace {

std::uint8_t lowByte(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::uint32_t readInteger(ByteView profile, std::string_view key, std::uint32_t fallback) {
    return profileInteger(profile, kSettingsSection, key, fallback);
}

std::string readText(ByteView profile, std::string_view key) {
    return profileString(profile, kSettingsSection, key, kSettingsTextLimit);
}

}  // namespace

LinkSettings readLinkSettings(ByteView profile) {
    LinkSettings settings;
    settings.mode = lowByte(readInteger(profile, kLinkModeKey, kDefaultLinkMode));
    settings.comIndex = lowByte(readInteger(profile, kComIndexKey, kDefaultComIndex));
    settings.baudCode = lowByte(readInteger(profile, kBaudCodeKey, kDefaultBaudCode));
    settings.tcpPort = readInteger(profile, kTcpPortKey, kDefaultTcpPort);
    settings.ipText = readText(profile, kIpKey);
    if (settings.ipText.empty()) settings.ipText = kDefaultIp;
    settings.serialDevice = readText(profile, kSerialDeviceKey);
    return settings;
}

std::vector<SettingsWrite> settingsWritesOnConfirm(const LinkSettings& current, const LinkSettings& edited,
                                                   PortNaming naming) {
    if (edited == current) return {};
    std::vector<SettingsWrite> writes{
        {kLinkModeKey, formatText("%u", unsigned{edited.mode})},
        {kComIndexKey, formatText("%u", unsigned{edited.comIndex})},
        {kBaudCodeKey, formatText("%u", unsigned{edited.baudCode})},
        {kTcpPortKey, formatText("%u", unsigned{edited.tcpPort})},
        {kIpKey, edited.ipText.empty() ? std::string(kDefaultIp) : edited.ipText},
    };
    if (naming == PortNaming::DevicePaths) writes.push_back({kSerialDeviceKey, edited.serialDevice});
    return writes;
}

Bytes applySettingsWrites(ByteView profile, const std::vector<SettingsWrite>& writes) {
    Bytes text(profile);
    for (const SettingsWrite& write : writes) text = withProfileValue(text, kSettingsSection, write.key, write.value);
    return text;
}

}  // namespace lumio
