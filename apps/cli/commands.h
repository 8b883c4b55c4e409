#pragma once
// The subcommands of the lumio tool. Each takes the arguments after its name and returns the exit
// code: 0 success, 1 the command's own negative answer (for device commands: a board or link failure),
// 2 usage errors or unreadable input.
#include <optional>
#include <string>
#include <vector>

#include "core/edition_profile.h"

namespace lumio::cli {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // one line, shown by --help
    int (*run)(const Arguments& arguments);
};

// Every subcommand, in the order --help lists them.
const std::vector<Command>& commands();

int runCheck(const Arguments& arguments);
int runList(const Arguments& arguments);
int runStatement(const Arguments& arguments);
// Device commands (link options: link_options.h).
int runRead(const Arguments& arguments);
int runWrite(const Arguments& arguments);
int runClock(const Arguments& arguments);
int runAddress(const Arguments& arguments);
int runInfo(const Arguments& arguments);
int runLock(const Arguments& arguments);
int runUnlock(const Arguments& arguments);
int runFirmware(const Arguments& arguments);
int runExport(const Arguments& arguments);
int runImport(const Arguments& arguments);
// Built only with the Qt programs (it draws pages with Qt Gui).
int runPdf(const Arguments& arguments);

// Takes "--edition current|classic" out of `arguments` (current when absent). Nothing, with `error`
// set, when the option has no known edition after it.
const EditionProfile* takeEditionOption(Arguments& arguments, std::string& error);

// Reads "INPUT [-o OUT]" into `input` and `output` (empty without -o) and checks that the input is a
// readable file; on a usage error returns the exit code, having printed why.
std::optional<int> takeInputAndOutput(const Arguments& arguments, const char* command, const char* inputName,
                                      std::string& input, std::string& output);

// Prints "lumio: <message>" and the usage line of `command` to standard error; returns 2.
int usageError(const char* command, const std::string& message);

}  // namespace lumio::cli
