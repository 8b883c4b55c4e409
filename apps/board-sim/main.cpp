// lumio-board-sim: a Lumio board on a TCP port of 127.0.0.1 and/or a pseudo-terminal.
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <iterator>
#include <string_view>
#include <vector>

#include "board_io.h"
#include "board_server.h"
#include "sim/board_firmware.h"
#include "sim/board_image.h"
#include "sim/board_model.h"
#include "sim/board_relay.h"
#include "sim/sim_options.h"

namespace {

// A board on the desk keeps the time it was last set to; the simulated one starts at the host's local time.
lumio::sim::BoardClock hostClock()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr || local->tm_year < 100 || local->tm_year > 355)
        return {};
    const lumio::sim::Bytes payload{static_cast<std::uint8_t>(local->tm_sec % 60), static_cast<std::uint8_t>(local->tm_min),
                                    static_cast<std::uint8_t>(local->tm_hour), 1,
                                    static_cast<std::uint8_t>(local->tm_mday), static_cast<std::uint8_t>(local->tm_mon + 1),
                                    static_cast<std::uint8_t>(local->tm_year - 100)};
    return lumio::sim::BoardClock::fromPayload(payload).value_or(lumio::sim::BoardClock{});
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto options = lumio::sim::parseSimOptions(arguments);
    if (!options) {
        std::fprintf(stderr, "lumio-board-sim: %s\n%.*s", options.error().c_str(),
                     static_cast<int>(lumio::sim::simHelpText().size()), lumio::sim::simHelpText().data());
        return 2;
    }
    if (options->help) {
        std::fwrite(lumio::sim::simHelpText().data(), 1, lumio::sim::simHelpText().size(), stdout);
        return 0;
    }
    lumio::sim::BoardConfig config;
    config.address = options->address;
    config.clock = hostClock();
    if (!options->imagePath.empty()) {
        std::ifstream file(options->imagePath, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "lumio-board-sim: cannot read %s\n", options->imagePath.c_str());
            return 2;
        }
        config.program.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (config.program.size() >= lumio::sim::kProgramMemorySize) {
            std::fprintf(stderr, "lumio-board-sim: %s is larger than the program memory\n", options->imagePath.c_str());
            return 2;
        }
    }
    lumio::sim::BoardModel board(std::move(config));
    if (options->relayChannels != 0)
        board.setExtension(std::make_unique<lumio::sim::RelayBoard>(board, options->relayChannels));
    else
        board.setExtension(std::make_unique<lumio::sim::FirmwareTarget>(options->address, options->chip));
    lumio::boardsim::installStopSignals();
    return lumio::boardsim::runBoardServer(*options, board);
}
