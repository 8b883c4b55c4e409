#pragma once
// Which serial port the settings name, on the two kinds of platform.
//
// Numbered ports (Windows): the port is "COM<n>" with n = com_num + 1; the settings dialog and the main
// window list COM1..COM255, and a list position is com_num.
//
// Device paths (Linux): the port is the path in com_device when it is set, else "/dev/ttyS<com_num>"
// (COM1 is /dev/ttyS0, the usual correspondence), so a settings file that knows only com_num still
// names a port. The lists offer the devices present, and a path can be typed (a pseudo-terminal is not
// listed by the system). Choosing a device stores its path in com_device; choosing /dev/ttyS<n> also
// stores n in com_num, so the two keys agree; any other device leaves com_num as it was.
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/link_settings.h"

namespace lumio {

inline constexpr int kNumberedPortCount = 255;

// The name to open the port by: "COM5", "/dev/ttyUSB0".
std::string serialPortName(const LinkSettings& settings, PortNaming naming);

// The settings with the port called `portName` chosen. A name that does not name a port of the platform
// (empty, or not COM1..COM255 where ports are numbered), or the port the settings already name, leaves
// the settings as they were.
LinkSettings withSerialPortChosen(LinkSettings settings, std::string_view portName, PortNaming naming);

// The entries of a port list: COM1..COM255 where ports are numbered; elsewhere the devices present, in
// the order given, followed by the current port when it is not among them (so the list always shows
// what the settings name).
std::vector<std::string> serialPortChoices(const LinkSettings& current, PortNaming naming,
                                           const std::vector<std::string>& presentDevices);

}  // namespace lumio
