#include "core/settings/serial_ports.h"

#include <algorithm>
#include <optional>

namespace lumio {
namespace {

constexpr std::string_view kComPrefix = "COM";
constexpr std::string_view kNumberedDevicePrefix = "/dev/ttyS";

// n when `name` is `prefix` followed by the decimal number n (no sign, no leading zero) in first..last.
std::optional<int> numberAfter(std::string_view name, std::string_view prefix, int first, int last) {
    if (!startsWith(name, prefix)) return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (!isAsciiDigit(c)) return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < first || number > last) return std::nullopt;
    return number;
}

}  // namespace

std::string serialPortName(const LinkSettings& settings, PortNaming naming) {
    if (naming == PortNaming::Numbered) return formatText("COM%d", settings.comIndex + 1);
    if (!settings.serialDevice.empty()) return settings.serialDevice;
    return formatText("/dev/ttyS%d", int{settings.comIndex});
}

LinkSettings withSerialPortChosen(LinkSettings settings, std::string_view portName, PortNaming naming) {
    // Choosing the port already named changes nothing, so confirming an untouched list writes nothing.
    if (portName == serialPortName(settings, naming)) return settings;
    if (naming == PortNaming::Numbered) {
        if (const auto number = numberAfter(portName, kComPrefix, 1, kNumberedPortCount))
            settings.comIndex = static_cast<std::uint8_t>(*number - 1);
        return settings;
    }
    if (portName.empty()) return settings;
    settings.serialDevice = std::string(portName);
    if (const auto number = numberAfter(portName, kNumberedDevicePrefix, 0, 255))
        settings.comIndex = static_cast<std::uint8_t>(*number);
    return settings;
}

std::vector<std::string> serialPortChoices(const LinkSettings& current, PortNaming naming,
                                           const std::vector<std::string>& presentDevices) {
    std::vector<std::string> choices;
    if (naming == PortNaming::Numbered) {
        for (int number = 1; number <= kNumberedPortCount; ++number) choices.push_back(formatText("COM%d", number));
        return choices;
    }
    choices = presentDevices;
    const std::string currentPort = serialPortName(current, naming);
    if (std::find(choices.begin(), choices.end(), currentPort) == choices.end()) choices.push_back(currentPort);
    return choices;
}

}  // namespace lumio
