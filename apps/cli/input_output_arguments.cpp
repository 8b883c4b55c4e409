// The arguments of the commands that turn one file into another: an input file and "-o OUT".
#include <filesystem>

#include "apps/cli/commands.h"
#include "core/text/bytes.h"

namespace lumio::cli {

std::optional<int> takeInputAndOutput(const Arguments& arguments, const char* command, const char* inputName,
                                      std::string& input, std::string& output) {
    const std::string name = command;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-o") {
            if (i + 1 >= arguments.size()) return usageError(command, "-o needs a file name");
            output = arguments[++i];
        } else if (startsWith(argument, "-") && argument.size() > 1) {
            return usageError(command, "unknown option '" + argument + "'");
        } else if (input.empty()) {
            input = argument;
        } else {
            return usageError(command, name + " takes one " + inputName);
        }
    }
    if (input.empty()) return usageError(command, name + " needs a " + inputName);
    std::error_code error;
    if (!std::filesystem::is_regular_file(input, error))
        return usageError(command, "cannot read '" + input + "': not a readable file");
    return std::nullopt;
}

}  // namespace lumio::cli
