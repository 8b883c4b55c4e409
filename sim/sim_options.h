#pragma once
// The command line of lumio-board-sim, parsed without touching the system so it can be tested alone.
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/fault_schedule.h"

namespace lumio::sim {

struct SimOptions {
    std::optional<std::uint16_t> tcpPort;  // 0: any free port
    bool pty = false;
    std::uint8_t address = 1;
    std::uint32_t baud = 0;                 // 0: no pacing
    std::optional<FaultSchedule> faults;
    std::string imagePath;
    std::string dumpPath;
    std::string chip{"at32f403avgt7"};  // the chip name a firmware upgrade is told
    int relayChannels = 0;               // not 0: a relay board of this many channels
    bool verbose = false;
    bool help = false;
};

std::expected<SimOptions, std::string> parseSimOptions(const std::vector<std::string_view>& arguments);
std::string_view simHelpText();

}  // namespace lumio::sim
