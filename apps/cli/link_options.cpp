#include "apps/cli/link_options.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace lumio::cli {
namespace {

std::optional<unsigned long> parseUnsigned(std::string_view text, unsigned long maximum) {
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value > maximum) return std::nullopt;
    return value;
}

}  // namespace

std::string LinkOptions::where() const {
    if (isNetwork()) return tcpHost + ":" + std::to_string(tcpPort);
    return serialDevice + " at " + std::to_string(baud) + " baud";
}

std::expected<LinkOptions, std::string> parseLinkOptions(const Arguments& arguments) {
    LinkOptions options;
    for (size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool takesValue = argument == "--tcp" || argument == "--serial" || argument == "--baud" ||
                                argument == "--address" || argument == "--timeout";
        if (!takesValue) {
            options.rest.push_back(argument);
            continue;
        }
        if (index + 1 >= arguments.size()) return std::unexpected(argument + " needs a value");
        const std::string& value = arguments[++index];
        const std::string bad = "bad value for " + argument + ": '" + value + "'";
        if (argument == "--tcp") {
            const size_t colon = value.rfind(':');
            if (colon == std::string::npos || colon == 0) return std::unexpected(bad + " (expected HOST:PORT)");
            const auto port = parseUnsigned(std::string_view(value).substr(colon + 1), 65535);
            if (!port || *port == 0) return std::unexpected(bad + " (expected HOST:PORT)");
            options.tcpHost = value.substr(0, colon);
            options.tcpPort = static_cast<std::uint16_t>(*port);
        } else if (argument == "--serial") {
            options.serialDevice = value;
        } else if (argument == "--baud") {
            const auto baud = parseUnsigned(value, 4000000);
            if (!baud || *baud == 0) return std::unexpected(bad);
            options.baud = static_cast<std::uint32_t>(*baud);
        } else if (argument == "--address") {
            const auto address = parseUnsigned(value, 255);
            if (!address) return std::unexpected(bad + " (0..255)");
            options.address = static_cast<std::uint8_t>(*address);
        } else {
            const auto seconds = parseUnsigned(value, 86400);
            if (!seconds || *seconds == 0) return std::unexpected(bad + " (seconds, 1..86400)");
            options.timeoutSeconds = static_cast<int>(*seconds);
        }
    }
    if (options.isNetwork() == !options.serialDevice.empty())
        return std::unexpected("say where the board is: --tcp HOST:PORT or --serial DEVICE");
    return options;
}

const char* linkOptionsHelp() {
    return "device commands take --tcp HOST:PORT or --serial DEVICE [--baud N] (default 9600),\n"
           "  --address A (module address, default 1) and --timeout S (give up after S seconds)";
}

}  // namespace lumio::cli
