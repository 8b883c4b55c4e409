#include "apps/cli/terminal_io.h"

#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace lumio::cli {

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

std::optional<std::string> readHiddenLine(const char* prompt) {
    std::fprintf(stderr, "%s", prompt);
    std::fflush(stderr);
#ifdef _WIN32
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = GetConsoleMode(input, &mode) != 0;
    if (console) SetConsoleMode(input, mode & ~ENABLE_ECHO_INPUT);
#else
    termios saved{};
    const bool console = isatty(STDIN_FILENO) != 0 && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (console) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
#endif
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
#ifdef _WIN32
    if (console) SetConsoleMode(input, mode);
#else
    if (console) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
#endif
    if (console) std::fputc('\n', stderr);
    if (!got) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace lumio::cli
