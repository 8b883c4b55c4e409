#pragma once
// The options every device command takes: where the board is and how long to wait for it.
//   --tcp HOST:PORT | --serial DEVICE [--baud N]   exactly one of the two
//   --address A                                    module address, 0..255 (default 1)
//   --timeout S                                    give up after S seconds (default: see the command)
#include <cstdint>
#include <expected>
#include <string>

#include "apps/cli/commands.h"

namespace lumio::cli {

struct LinkOptions {
    std::string tcpHost;
    std::uint16_t tcpPort = 0;
    std::string serialDevice;
    std::uint32_t baud = 9600;
    std::uint8_t address = 1;
    int timeoutSeconds = 0;  // 0: the command's default
    Arguments rest;          // what is not a link option, in order

    bool isNetwork() const { return !tcpHost.empty(); }
    std::string where() const;  // "127.0.0.1:6000" or "/dev/ttyUSB0 at 9600 baud"
};

// Takes the link options out of `arguments`; an error text for a bad or missing one.
std::expected<LinkOptions, std::string> parseLinkOptions(const Arguments& arguments);

// The option lines shared by the device commands, for --help.
const char* linkOptionsHelp();

}  // namespace lumio::cli
