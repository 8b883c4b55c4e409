#include "board_server.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "board_io.h"
#include "sim/board_frames.h"

namespace lumio::boardsim {
namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// A torn request is given up after this much silence on the line.
constexpr Milliseconds kLineSilence{200};

enum class Endpoint { Tcp, Terminal };

struct Scheduled {
    Clock::time_point due;
    Endpoint endpoint;
    sim::Bytes bytes;
};

void writeDump(const std::string& path, const sim::Bytes& memory)
{
    // Written beside the target and renamed over it, so a reader never sees half an image.
    const std::string temporary = path + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        if (!file) {
            std::fprintf(stderr, "lumio-board-sim: cannot write %s\n", temporary.c_str());
            return;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error)
        std::fprintf(stderr, "lumio-board-sim: cannot write %s: %s\n", path.c_str(), error.message().c_str());
}

class BoardServer {
public:
    BoardServer(const sim::SimOptions& options, sim::BoardModel& board)
        : options_(options), board_(board), baud_(options.baud),
          injector_(options.faults ? std::optional<sim::FaultInjector>(*options.faults) : std::nullopt)
    {
    }

    int run();

private:
    bool open();
    void acceptOrRead(std::vector<Watch>& watches);
    void readFrom(Endpoint endpoint, Handle handle);
    void deliverDueInput(Clock::time_point now);
    void sendDueOutput(Clock::time_point now);
    void absorb(Endpoint endpoint, const sim::Exchange& exchange);
    void schedule(std::vector<Scheduled>& queue, Endpoint endpoint, std::vector<sim::Piece> pieces,
                  Clock::time_point start);
    void dropClient(const char* why);
    Handle handleOf(Endpoint endpoint) const { return endpoint == Endpoint::Tcp ? client_ : terminal_.master; }
    Clock::time_point nextDeadline() const;

    const sim::SimOptions& options_;
    sim::BoardModel& board_;
    std::uint32_t baud_;  // the pacing now: a firmware upgrade may switch it to 115200 and back
    std::optional<sim::FaultInjector> injector_;
    Listener listener_;
    Terminal terminal_;
    Handle client_ = kNoHandle;
    bool terminalOpen_ = false;
    std::vector<Scheduled> input_;
    std::vector<Scheduled> output_;
    Clock::time_point outputFree_ = Clock::now();  // when the paced line is free for the next reply
    Clock::time_point lastInput_ = Clock::now();
    Endpoint lastEndpoint_ = Endpoint::Tcp;
    std::uint64_t writesDumped_ = 0;
};

bool BoardServer::open()
{
    std::string where;
    if (options_.tcpPort) {
        auto listener = listenOnLoopback(*options_.tcpPort);
        if (!listener) {
            std::fprintf(stderr, "lumio-board-sim: %s\n", listener.error().c_str());
            return false;
        }
        listener_ = *listener;
        where += " tcp 127.0.0.1:" + std::to_string(listener_.port);
    }
    if (options_.pty) {
        auto terminal = openTerminal();
        if (!terminal) {
            std::fprintf(stderr, "lumio-board-sim: %s\n", terminal.error().c_str());
            return false;
        }
        terminal_ = *terminal;
        terminalOpen_ = true;
        where += " pty " + terminal_.path;
    }
    std::printf("lumio-board-sim listening:%s address %u\n", where.c_str(), board_.address());
    std::fflush(stdout);
    return true;
}

void BoardServer::schedule(std::vector<Scheduled>& queue, Endpoint endpoint, std::vector<sim::Piece> pieces,
                           Clock::time_point start)
{
    Clock::time_point due = start;
    for (sim::Piece& piece : pieces) {
        due += Milliseconds(piece.gapMilliseconds);
        queue.push_back({due, endpoint, std::move(piece.bytes)});
    }
    // Pieces keep their order on the line: a later piece never overtakes an earlier one.
    for (std::size_t index = 1; index < queue.size(); ++index)
        queue[index].due = std::max(queue[index].due, queue[index - 1].due);
}

void BoardServer::readFrom(Endpoint endpoint, Handle handle)
{
    std::array<std::uint8_t, 4096> buffer{};
    const ReadResult result = readSome(handle, buffer);
    if (result.status == ReadStatus::Closed) {
        if (endpoint == Endpoint::Tcp) {
            dropClient("editor disconnected");
        } else {
            // Should not happen while the slave is held open; stop watching rather than spin.
            std::fprintf(stderr, "lumio-board-sim: pseudo-terminal closed\n");
            terminalOpen_ = false;
        }
        return;
    }
    if (result.status != ReadStatus::Data)
        return;
    const sim::ByteView bytes(buffer.data(), result.count);
    const Clock::time_point now = Clock::now();
    lastInput_ = now;
    if (injector_)
        schedule(input_, endpoint, injector_->pass(sim::Direction::ToBoard, bytes), now);
    else
        input_.push_back({now, endpoint, sim::Bytes(bytes.begin(), bytes.end())});
    if (injector_ && injector_->disconnected())
        dropClient("fault schedule: disconnect");
}

void BoardServer::dropClient(const char* why)
{
    if (client_ != kNoHandle) {
        if (options_.verbose)
            std::printf("-- %s\n", why);
        closeHandle(client_);
        client_ = kNoHandle;
    }
    std::erase_if(input_, [](const Scheduled& item) { return item.endpoint == Endpoint::Tcp; });
    std::erase_if(output_, [](const Scheduled& item) { return item.endpoint == Endpoint::Tcp; });
}

void BoardServer::absorb(Endpoint endpoint, const sim::Exchange& exchange)
{
    if (options_.verbose) {
        for (const sim::InboundRecord& record : exchange.inbound) {
            const char* check = record.kind == sim::ScanEvent::Kind::Noise ? "no frame" : "check ok";
            std::printf("in  [%s] %s | %s\n", check, sim::hexText(record.bytes).c_str(), record.note.c_str());
        }
    }
    const Clock::time_point now = Clock::now();
    for (const sim::Bytes& reply : exchange.replies) {
        if (options_.verbose)
            std::printf("out %s\n", sim::hexText(reply).c_str());
        if (injector_)
            schedule(output_, endpoint, injector_->pass(sim::Direction::FromBoard, reply), now);
        else
            output_.push_back({now, endpoint, reply});
    }
    if (const std::uint32_t baud = board_.takeBaudChange(); baud != sim::kNoBaudChange) {
        // Only a paced line has a rate to change.
        if (options_.baud != 0)
            baud_ = baud == sim::kOwnBaud ? options_.baud : baud;
        if (options_.verbose && baud == sim::kOwnBaud)
            std::printf("port back at its own rate%s\n", options_.baud == 0 ? " (not paced)" : "");
        else if (options_.verbose)
            std::printf("port now at %u baud%s\n", baud, options_.baud == 0 ? " (not paced)" : "");
    }
    if (options_.verbose)
        std::fflush(stdout);
    if (!options_.dumpPath.empty() && board_.writesCompleted() != writesDumped_) {
        writesDumped_ = board_.writesCompleted();
        writeDump(options_.dumpPath, board_.programMemory());
    }
    if (injector_ && injector_->disconnected())
        dropClient("fault schedule: disconnect");
}

void BoardServer::deliverDueInput(Clock::time_point now)
{
    while (!input_.empty() && input_.front().due <= now) {
        const Scheduled item = std::move(input_.front());
        input_.erase(input_.begin());
        lastEndpoint_ = item.endpoint;
        absorb(item.endpoint, board_.receive(item.bytes));
    }
    if (input_.empty() && now - lastInput_ >= kLineSilence && board_.buffered() != 0)
        absorb(lastEndpoint_, board_.lineSilent());
}

void BoardServer::sendDueOutput(Clock::time_point now)
{
    while (!output_.empty() && output_.front().due <= now && outputFree_ <= now) {
        const Scheduled item = std::move(output_.front());
        output_.erase(output_.begin());
        const Handle handle = handleOf(item.endpoint);
        if (handle == kNoHandle || (item.endpoint == Endpoint::Terminal && !terminalOpen_))
            continue;
        if (!writeAvailable(handle, item.bytes) && item.endpoint == Endpoint::Tcp)
            dropClient("editor gone while writing");
        if (baud_ != 0) {
            // 10 bits a byte: start, 8 data, stop.
            const auto duration = std::chrono::microseconds(item.bytes.size() * 10'000'000ULL / baud_);
            outputFree_ = now + std::chrono::duration_cast<Clock::duration>(duration);
        }
    }
}

Clock::time_point BoardServer::nextDeadline() const
{
    Clock::time_point deadline = Clock::now() + Milliseconds(500);
    if (!input_.empty())
        deadline = std::min(deadline, input_.front().due);
    if (!output_.empty())
        deadline = std::min(deadline, std::max(output_.front().due, outputFree_));
    if (board_.buffered() != 0)
        deadline = std::min(deadline, lastInput_ + kLineSilence);
    return deadline;
}

void BoardServer::acceptOrRead(std::vector<Watch>& watches)
{
    for (const Watch& watch : watches) {
        if (!watch.readable)
            continue;
        if (watch.handle == listener_.handle && client_ == kNoHandle) {
            client_ = acceptEditor(listener_.handle);
            if (client_ != kNoHandle && options_.verbose) {
                std::printf("-- editor connected\n");
                std::fflush(stdout);
            }
        } else if (watch.handle == client_) {
            readFrom(Endpoint::Tcp, client_);
        } else if (terminalOpen_ && watch.handle == terminal_.master) {
            readFrom(Endpoint::Terminal, terminal_.master);
        }
    }
}

int BoardServer::run()
{
    if (!open())
        return 1;
    Clock::time_point lastTick = Clock::now();
    while (!stopRequested()) {
        std::vector<Watch> watches;
        // One editor at a time: the next connection waits in the backlog until this one ends.
        if (listener_.handle != kNoHandle && client_ == kNoHandle)
            watches.push_back({listener_.handle});
        if (client_ != kNoHandle)
            watches.push_back({client_});
        if (terminalOpen_)
            watches.push_back({terminal_.master});
        const auto wait = std::chrono::duration_cast<Milliseconds>(nextDeadline() - Clock::now()).count();
        waitForInput(watches, static_cast<int>(std::clamp<long long>(wait, 0, 500)));
        acceptOrRead(watches);
        const Clock::time_point now = Clock::now();
        // Whole milliseconds move the board's clock; the remainder waits for the next round.
        const Milliseconds elapsed = std::chrono::duration_cast<Milliseconds>(now - lastTick);
        board_.advance(static_cast<std::uint64_t>(elapsed.count()));
        lastTick += elapsed;
        deliverDueInput(now);
        sendDueOutput(now);
    }
    dropClient("stopping");
    closeHandle(listener_.handle);
    closeHandle(terminal_.master);
    closeHandle(terminal_.slave);
    if (options_.verbose)
        std::printf("-- stopped\n");
    std::fflush(stdout);
    return 0;
}

}  // namespace

int runBoardServer(const sim::SimOptions& options, sim::BoardModel& board)
{
    return BoardServer(options, board).run();
}

}  // namespace lumio::boardsim
