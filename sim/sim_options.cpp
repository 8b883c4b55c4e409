#include "sim/sim_options.h"

#include <charconv>

namespace lumio::sim {
namespace {

template <class Number>
std::optional<Number> parseNumber(std::string_view text, Number highest)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value > highest)
        return std::nullopt;
    return value;
}

}  // namespace

std::string_view simHelpText()
{
    return "usage: lumio-board-sim [--tcp PORT] [--pty] [options]\n"
           "Plays a Lumio board on 127.0.0.1:PORT (0 picks a free port) and/or a pseudo-terminal.\n"
           "The first line printed says where it listens.\n"
           "\n"
           "  --tcp PORT       listen for one editor at a time on 127.0.0.1:PORT\n"
           "  --pty            open a pseudo-terminal in raw mode and print its path\n"
           "  --address A      module address, 0..255 (default 1)\n"
           "  --baud N         pace replies at N baud, 10 bits a byte (default: no pacing)\n"
           "  --faults SPEC    fault schedule, e.g. drop=0.02,split=0.1,silent=40,disconnect=7\n"
           "                   (drop duplicate flip truncate split delay garbage replay: rates 0..1;\n"
           "                   silent: replies before falling silent; disconnect: block index)\n"
           "  --seed S         seed of the fault schedule (default 0)\n"
           "  --image FILE     program memory at start (default: an empty program)\n"
           "  --dump FILE      write the program memory to FILE whenever a write completes\n"
           "  --chip NAME      chip name told to a firmware upgrade (default at32f403avgt7)\n"
           "  --relay N        play a relay board of N channels (1..32) answering 0x55 commands\n"
           "  --verbose        one line per frame in and out, with what the board made of it\n"
           "  --help           this text\n"
           "\n"
           "Exit codes: 0 ended by SIGINT/SIGTERM or --help, 1 could not listen, 2 bad command line.\n";
}

std::expected<SimOptions, std::string> parseSimOptions(const std::vector<std::string_view>& arguments)
{
    SimOptions options;
    std::optional<std::uint64_t> seed;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        const auto value = [&]() -> std::expected<std::string_view, std::string> {
            if (index + 1 >= arguments.size())
                return std::unexpected(std::string(argument) + " needs a value");
            return arguments[++index];
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--pty") {
            options.pty = true;
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "--tcp" || argument == "--address" || argument == "--baud" ||
                   argument == "--faults" || argument == "--seed" || argument == "--image" ||
                   argument == "--dump" || argument == "--chip" || argument == "--relay") {
            const auto text = value();
            if (!text)
                return std::unexpected(text.error());
            const std::string bad = "bad value for " + std::string(argument) + ": " + std::string(*text);
            if (argument == "--tcp") {
                options.tcpPort = parseNumber<std::uint16_t>(*text, 65535);
                if (!options.tcpPort)
                    return std::unexpected(bad);
            } else if (argument == "--address") {
                const auto address = parseNumber<unsigned>(*text, 255);
                if (!address)
                    return std::unexpected(bad);
                options.address = static_cast<std::uint8_t>(*address);
            } else if (argument == "--baud") {
                const auto baud = parseNumber<std::uint32_t>(*text, 4000000);
                if (!baud || *baud == 0)
                    return std::unexpected(bad);
                options.baud = *baud;
            } else if (argument == "--faults") {
                auto schedule = FaultSchedule::parse(*text);
                if (!schedule)
                    return std::unexpected(schedule.error());
                options.faults = *schedule;
            } else if (argument == "--seed") {
                seed = parseNumber<std::uint64_t>(*text, UINT64_MAX);
                if (!seed)
                    return std::unexpected(bad);
            } else if (argument == "--chip") {
                if (text->empty() || text->size() > 250)
                    return std::unexpected(bad);
                options.chip = std::string(*text);
            } else if (argument == "--relay") {
                const auto channels = parseNumber<unsigned>(*text, 32);
                if (!channels || *channels == 0)
                    return std::unexpected(bad);
                options.relayChannels = static_cast<int>(*channels);
            } else if (argument == "--image") {
                options.imagePath = std::string(*text);
            } else {
                options.dumpPath = std::string(*text);
            }
        } else {
            return std::unexpected("unknown argument: " + std::string(argument));
        }
    }
    if (options.help)
        return options;
    if (!options.tcpPort && !options.pty)
        return std::unexpected("say where to listen: --tcp PORT, --pty or both");
    if (seed) {
        if (!options.faults)
            options.faults = FaultSchedule{};
        options.faults->seed = *seed;
    }
    return options;
}

}  // namespace lumio::sim
