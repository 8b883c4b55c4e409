#pragma once
// The tool's arguments and standard output, the same on every system: arguments arrive as UTF-8 and
// standard output carries bytes exactly as written. On Windows the arguments are taken from the wide
// command line (argv holds them in the local code page, which cannot carry every text), and standard
// output leaves text mode, which would turn each line break into two bytes.
#include <string>
#include <vector>

namespace lumio::cli {

// The arguments after the program name, as UTF-8.
std::vector<std::string> commandLineArguments(int argc, char** argv);
void useBinaryStandardOutput();

}  // namespace lumio::cli
