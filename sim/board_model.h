#pragma once
// BoardModel: a board at a module address, as the editor sees it through the frame protocol. It keeps a
// program memory (the image last written, read back block by block), a clock, a password lock, its module
// address, hardware information and two learnable remote codes. Bytes in, reply frames out; no time, no I/O.
//
// Register map: read 1 radio code, 3 universal infrared code, 20 and 102 hardware information, 21 clock;
// write 10 lock, 12 unlock (results 0x0A/0x0B, 0x0C/0x0D), 21 clock (result 0x00 taken, 0x01 refused).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/board_clock.h"
#include "sim/board_frames.h"
#include "sim/request_scanner.h"
#include "sim/sim_bytes.h"

namespace lumio::sim {

struct BoardConfig {
    std::uint8_t address = 1;
    Bytes program;  // program memory at start; empty: the image of an empty program
    BoardClock clock;
    Bytes password;  // not empty: the board starts locked with this password
    Bytes radioCode{0xA5, 0x3C, 0x96, 0x01};
    Bytes infraredCode{0x26, 0x00, 0x48, 0x00, 0x12, 0x0B, 0x34, 0x00, 0x12, 0x00, 0x34, 0x00, 0x12, 0x00,
                       0x35, 0x00, 0x11, 0x00, 0x12, 0x0B};
};

// Firmware upgrade (register 101, blocks from index 10000) and relay-board mode (0x55 commands to up to
// 32 channels, answered with 0x22 status frames) plug in here. An extension sees each request first.
// takeBaudChange: a rate the board's port switches to once the replies so far are out.
inline constexpr std::uint32_t kNoBaudChange = 0;
inline constexpr std::uint32_t kOwnBaud = UINT32_MAX;  // back to the rate the board was started with

class BoardExtension {
public:
    virtual ~BoardExtension() = default;
    // True when it took the request; what it answers goes to replies.
    virtual bool handle(const Request& request, std::vector<Bytes>& replies) = 0;
    // What it made of the last request it took, for the verbose log.
    virtual std::string note() const { return {}; }
    virtual std::uint32_t takeBaudChange() { return kNoBaudChange; }
};

// One unit the board took off the line and what it made of it.
struct InboundRecord {
    ScanEvent::Kind kind = ScanEvent::Kind::Noise;
    Bytes bytes;
    std::string note;
};

struct Exchange {
    std::vector<InboundRecord> inbound;
    std::vector<Bytes> replies;
};

class BoardModel {
public:
    explicit BoardModel(BoardConfig config = {});

    Exchange receive(ByteView bytes);
    // The line fell silent: a torn request is given up.
    Exchange lineSilent();
    void advance(std::uint64_t milliseconds) { clock_.advance(milliseconds); }
    void setExtension(std::unique_ptr<BoardExtension> extension) { extension_ = std::move(extension); }
    BoardExtension* extension() const { return extension_.get(); }
    std::uint32_t takeBaudChange() { return extension_ ? extension_->takeBaudChange() : kNoBaudChange; }

    std::uint8_t address() const { return address_; }
    const Bytes& programMemory() const { return memory_; }
    bool locked() const { return locked_; }
    const Bytes& password() const { return password_; }
    const Bytes& radioCode() const { return radioCode_; }
    const Bytes& infraredCode() const { return infraredCode_; }
    // Every clock payload a write of register 21 set, as sent, in order.
    const std::vector<ClockPayload>& clocksWritten() const { return clocksWritten_; }
    ClockPayload clock() const { return clock_.payload(); }
    // How many writes of the whole program completed (the last block arrived).
    std::uint64_t writesCompleted() const { return writesCompleted_; }
    std::uint64_t attentionsSeen() const { return attentionsSeen_; }
    // Bytes of a request not yet complete.
    std::size_t buffered() const { return scanner_.buffered(); }

private:
    Exchange absorb(std::vector<ScanEvent> events);
    std::string handle(const Request& request, std::vector<Bytes>& replies);
    std::string readProgram(const Request& request, std::vector<Bytes>& replies);
    std::string writeBlock(const Request& request, std::vector<Bytes>& replies);
    std::string readRegister(const Request& request, std::vector<Bytes>& replies);
    std::string writeRegister(const Request& request, std::vector<Bytes>& replies);
    std::string command55(const Request& request, std::vector<Bytes>& replies);
    Bytes programBlock(std::size_t index) const;
    std::size_t programBlockCount() const;

    std::uint8_t address_;
    Bytes memory_;
    BoardClock clock_;
    Bytes radioCode_;
    Bytes infraredCode_;
    bool locked_ = false;
    Bytes password_;
    RequestScanner scanner_;
    std::unique_ptr<BoardExtension> extension_;

    std::size_t readCursor_ = 0;
    bool readActive_ = false;
    bool writeActive_ = false;
    std::uint16_t writeTotal_ = 0;
    Bytes writeBuffer_;
    std::uint64_t writesCompleted_ = 0;
    std::vector<ClockPayload> clocksWritten_;
    std::uint64_t attentionsSeen_ = 0;
};

}  // namespace lumio::sim
