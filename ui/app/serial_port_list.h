#pragma once
// The serial ports a port list offers on this platform: COM1..COM255 on Windows, the serial devices
// present elsewhere (see core/settings/serial_ports.h for how the choice maps to the settings keys).
#include <QStringList>
#include <string>
#include <vector>

#include "core/settings/link_settings.h"

namespace lumio {

PortNaming platformPortNaming();

// System paths of the serial devices present ("/dev/ttyUSB0"), sorted, as GBK text like every name the
// settings hold; empty where ports are numbered.
std::vector<std::string> presentSerialDevices();

// The entries of a port list for `current` on this platform, as texts to show.
QStringList serialPortEntries(const LinkSettings& current, PortNaming naming = platformPortNaming());

}  // namespace lumio
