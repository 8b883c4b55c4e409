#include "board_io.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace lumio::boardsim {
namespace {

volatile std::sig_atomic_t stopFlag = 0;

void onStopSignal(int)
{
    stopFlag = 1;
}

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

void makeNonBlocking(Handle handle)
{
    const int flags = ::fcntl(handle, F_GETFL, 0);
    ::fcntl(handle, F_SETFL, flags | O_NONBLOCK);
}

}  // namespace

std::expected<Listener, std::string> listenOnLoopback(std::uint16_t port)
{
    const Handle handle = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (handle < 0)
        return std::unexpected(systemError("socket"));
    const int yes = 1;
    ::setsockopt(handle, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(handle, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(handle, 4) != 0) {
        const std::string error = systemError("listen on 127.0.0.1");
        ::close(handle);
        return std::unexpected(error);
    }
    socklen_t length = sizeof address;
    ::getsockname(handle, reinterpret_cast<sockaddr*>(&address), &length);
    makeNonBlocking(handle);
    return Listener{handle, ntohs(address.sin_port)};
}

Handle acceptEditor(Handle listener)
{
    const Handle handle = ::accept(listener, nullptr, nullptr);
    if (handle < 0)
        return kNoHandle;
    makeNonBlocking(handle);
    const int yes = 1;
    ::setsockopt(handle, IPPROTO_TCP, 1 /* TCP_NODELAY */, &yes, sizeof yes);
    return handle;
}

std::expected<Terminal, std::string> openTerminal()
{
    Terminal terminal;
    char path[256] = {};
    if (::openpty(&terminal.master, &terminal.slave, path, nullptr, nullptr) != 0)
        return std::unexpected(systemError("openpty"));
    termios settings{};
    ::tcgetattr(terminal.slave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(terminal.slave, TCSANOW, &settings);
    ::tcgetattr(terminal.master, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(terminal.master, TCSANOW, &settings);
    ::fcntl(terminal.master, F_SETFD, FD_CLOEXEC);
    ::fcntl(terminal.slave, F_SETFD, FD_CLOEXEC);
    makeNonBlocking(terminal.master);
    terminal.path = path;
    return terminal;
}

ReadResult readSome(Handle handle, std::span<std::uint8_t> buffer)
{
    const ssize_t count = ::read(handle, buffer.data(), buffer.size());
    if (count > 0)
        return {ReadStatus::Data, static_cast<std::size_t>(count)};
    if (count == 0)
        return {ReadStatus::Closed, 0};
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return {ReadStatus::Nothing, 0};
    return {ReadStatus::Closed, 0};
}

bool writeAvailable(Handle handle, std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(handle, bytes.data(), bytes.size());
        if (count > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A full buffer nobody reads (a pseudo-terminal with no editor on it): the bytes are lost, as
        // on a serial line with nothing attached.
        return count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    return true;
}

void closeHandle(Handle handle)
{
    if (handle != kNoHandle)
        ::close(handle);
}

void waitForInput(std::vector<Watch>& watches, int timeoutMilliseconds)
{
    std::vector<pollfd> polls;
    for (const Watch& watch : watches)
        polls.push_back({watch.handle, POLLIN, 0});
    const int ready = ::poll(polls.data(), polls.size(), timeoutMilliseconds);
    for (std::size_t index = 0; index < watches.size(); ++index)
        watches[index].readable = ready > 0 && (polls[index].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

void installStopSignals()
{
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool stopRequested()
{
    return stopFlag != 0;
}

}  // namespace lumio::boardsim
