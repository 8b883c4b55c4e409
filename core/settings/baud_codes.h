#pragma once
// BaudCode: the baud rate of the serial link as a list position, as the settings file (btl_num) and the
// settings dialog's list hold it. Codes 0..9 are 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600
// and 115200; any other code means 9600.
#include <array>
#include <cstdint>

namespace lumio {

inline constexpr std::array<std::uint32_t, 10> kBaudRates{300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

constexpr std::uint32_t baudRateForCode(std::uint8_t code) { return code < kBaudRates.size() ? kBaudRates[code] : 9600; }

}  // namespace lumio
