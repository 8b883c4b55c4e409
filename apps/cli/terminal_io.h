#pragma once
// The console calls of the command-line tool, behind one small module (POSIX termios here, the console
// API on Windows).
#include <cstdio>
#include <optional>
#include <string>

namespace lumio::cli {

bool isTerminal(std::FILE* stream);

// Prints `prompt` to standard error and reads one line from standard input without echoing it (echo is
// left alone when standard input is not a terminal). Nothing at end of input.
std::optional<std::string> readHiddenLine(const char* prompt);

}  // namespace lumio::cli
