#pragma once
// The system calls of lumio-board-sim: a listening socket on 127.0.0.1, a pseudo-terminal, waiting for
// input, and the stop signals. One POSIX implementation today; a Windows port replaces only this module.
#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <vector>

namespace lumio::boardsim {

using Handle = int;
inline constexpr Handle kNoHandle = -1;

struct Listener {
    Handle handle = kNoHandle;
    std::uint16_t port = 0;
};
std::expected<Listener, std::string> listenOnLoopback(std::uint16_t port);
// A connected editor, non-blocking; kNoHandle when none was waiting.
Handle acceptEditor(Handle listener);

struct Terminal {
    Handle master = kNoHandle;
    Handle slave = kNoHandle;  // kept open so the master never reports a hang-up between editors
    std::string path;
};
// Opens a pseudo-terminal and puts it in raw mode at once.
std::expected<Terminal, std::string> openTerminal();

enum class ReadStatus { Data, Nothing, Closed };
struct ReadResult {
    ReadStatus status = ReadStatus::Nothing;
    std::size_t count = 0;
};
ReadResult readSome(Handle handle, std::span<std::uint8_t> buffer);
// Writes what the peer takes without blocking; false when the peer is gone.
bool writeAvailable(Handle handle, std::span<const std::uint8_t> bytes);
void closeHandle(Handle handle);

struct Watch {
    Handle handle = kNoHandle;
    bool readable = false;  // set by waitForInput: data, a connection or a hang-up is waiting
};
// Waits until one of the handles is readable, a stop signal arrives or the time-out passes.
void waitForInput(std::vector<Watch>& watches, int timeoutMilliseconds);

// SIGINT and SIGTERM set a flag instead of ending the process; SIGPIPE is ignored.
void installStopSignals();
bool stopRequested();

}  // namespace lumio::boardsim
