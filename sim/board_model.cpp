#include "sim/board_model.h"

#include <algorithm>
#include <cstdio>

#include "sim/board_image.h"
#include "sim/board_reports.h"

namespace lumio::sim {
namespace {

constexpr std::uint16_t kRadioCode = 1;
constexpr std::uint16_t kInfraredCode = 3;
constexpr std::uint16_t kLock = 10;
constexpr std::uint16_t kUnlock = 12;
constexpr std::uint16_t kHardwareInformation = 20;
constexpr std::uint16_t kClock = 21;
constexpr std::uint16_t kHardwareInformation2 = 102;
constexpr std::uint16_t kNetworkInformation = 23;
constexpr std::uint16_t kIdentification = 24;

constexpr std::uint8_t kLocked = 0x0A;
constexpr std::uint8_t kLockRefused = 0x0B;
constexpr std::uint8_t kUnlocked = 0x0C;
constexpr std::uint8_t kUnlockRefused = 0x0D;
constexpr std::uint8_t kClockTaken = 0x00;
constexpr std::uint8_t kClockRefused = 0x01;

constexpr std::uint8_t kReadAddress = 0x40;
constexpr std::uint8_t kWriteAddress = 0x41;

std::string format(const char* pattern, unsigned first, unsigned second = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, first, second);
    return text;
}

}  // namespace

BoardModel::BoardModel(BoardConfig config)
    : address_(config.address),
      memory_(config.program.empty() ? programImageWithBody({}) : std::move(config.program)),
      clock_(config.clock),
      radioCode_(std::move(config.radioCode)),
      infraredCode_(std::move(config.infraredCode)),
      locked_(!config.password.empty()),
      password_(std::move(config.password))
{
}

Exchange BoardModel::receive(ByteView bytes)
{
    return absorb(scanner_.feed(bytes, address_));
}

Exchange BoardModel::lineSilent()
{
    return absorb(scanner_.flush());
}

Exchange BoardModel::absorb(std::vector<ScanEvent> events)
{
    Exchange exchange;
    for (ScanEvent& event : events) {
        InboundRecord record{event.kind, std::move(event.bytes), {}};
        switch (event.kind) {
        case ScanEvent::Kind::Noise:
            record.note = format("noise, %u bytes skipped", static_cast<unsigned>(record.bytes.size()));
            break;
        case ScanEvent::Kind::Attention:
            ++attentionsSeen_;
            record.note = "attention";
            break;
        case ScanEvent::Kind::Request:
            record.note = describeRequest(event.request) + ": " + handle(event.request, exchange.replies);
            break;
        }
        exchange.inbound.push_back(std::move(record));
    }
    return exchange;
}

std::string BoardModel::handle(const Request& request, std::vector<Bytes>& replies)
{
    if (extension_ && extension_->handle(request, replies)) {
        const std::string note = extension_->note();
        return note.empty() ? "taken by the extension" : note;
    }
    switch (request.kind) {
    case RequestKind::ReadProgram:
        return readProgram(request, replies);
    case RequestKind::Block:
        return writeBlock(request, replies);
    case RequestKind::ReadRegister:
        return readRegister(request, replies);
    case RequestKind::WriteRegister:
        return writeRegister(request, replies);
    case RequestKind::Command55:
        return command55(request, replies);
    }
    return "ignored";
}

std::size_t BoardModel::programBlockCount() const
{
    return (memory_.size() + kBlockSize - 1) / kBlockSize;
}

Bytes BoardModel::programBlock(std::size_t index) const
{
    const std::size_t begin = index * kBlockSize;
    const std::size_t end = std::min(begin + kBlockSize, memory_.size());
    return Bytes(memory_.begin() + static_cast<std::ptrdiff_t>(begin),
                 memory_.begin() + static_cast<std::ptrdiff_t>(end));
}

std::string BoardModel::readProgram(const Request& request, std::vector<Bytes>& replies)
{
    // A locked board keeps its program to itself: the reply carries no block.
    if (locked_) {
        replies.push_back(refusalReply(address_));
        return "refused, the board is locked";
    }
    if (request.first == 0) {
        readCursor_ = 0;
        readActive_ = true;
    } else if (readActive_) {
        ++readCursor_;
    }
    const std::size_t total = programBlockCount();
    if (!readActive_ || readCursor_ >= total) {
        readActive_ = false;
        replies.push_back(refusalReply(address_));
        return "refused, no read in progress";
    }
    replies.push_back(readProgramReply(address_, static_cast<std::uint16_t>(readCursor_),
                                       static_cast<std::uint16_t>(total), programBlock(readCursor_)));
    if (readCursor_ + 1 == total)
        readActive_ = false;
    return format("sent block %u of %u", static_cast<unsigned>(readCursor_), static_cast<unsigned>(total));
}

std::string BoardModel::writeBlock(const Request& request, std::vector<Bytes>& replies)
{
    const std::size_t index = request.first;
    const std::size_t total = request.second;
    const std::size_t count = request.data.size();
    if (count == 0 || count > kBlockSize || index >= total || index * kBlockSize + count > kProgramMemorySize)
        return "refused, block outside the program memory";
    if (index == 0) {
        writeActive_ = true;
        writeTotal_ = request.second;
        writeBuffer_.clear();
    } else if (!writeActive_ || request.second != writeTotal_) {
        return "refused, no write of this total in progress";
    }
    // Flash is written where the index says; a block that never came leaves zeros behind.
    const std::size_t offset = index * kBlockSize;
    if (writeBuffer_.size() < offset + count)
        writeBuffer_.resize(offset + count, 0);
    std::copy(request.data.begin(), request.data.end(), writeBuffer_.begin() + static_cast<std::ptrdiff_t>(offset));
    replies.push_back(blockAcknowledgement(address_, request.first, request.second));
    if (index + 1 != total)
        return "stored, acknowledged";
    writeBuffer_.resize(offset + count);
    memory_ = writeBuffer_;
    ++writesCompleted_;
    const std::string_view fault = programImageFault(memory_);
    return "stored, acknowledged; write complete, image " + (fault.empty() ? std::string("valid") : std::string(fault));
}

std::string BoardModel::readRegister(const Request& request, std::vector<Bytes>& replies)
{
    switch (request.first) {
    case kClock: {
        const ClockPayload payload = clock_.payload();
        replies.push_back(registerReply(address_, payload));
        return "clock";
    }
    case kHardwareInformation:
        replies.push_back(registerReply(address_, hardwareInformation()));
        return "hardware information";
    case kHardwareInformation2:
        replies.push_back(registerReply(address_, hardwareInformation2()));
        return "hardware information 2";
    case kNetworkInformation:
        replies.push_back(registerReply(address_, networkInformation()));
        return "network information";
    case kIdentification:
        replies.push_back(registerReply(address_, identification()));
        return "identification";
    case kRadioCode:
        replies.push_back(registerReply(address_, radioCode_));
        return "radio code";
    case kInfraredCode:
        replies.push_back(registerReply(address_, infraredCode_));
        return "universal infrared code";
    default:
        return "no such register, no reply";
    }
}

std::string BoardModel::writeRegister(const Request& request, std::vector<Bytes>& replies)
{
    switch (request.first) {
    case kClock: {
        const auto clock = BoardClock::fromPayload(request.data);
        if (clock) {
            clock_ = *clock;
            ClockPayload taken{};
            std::copy(request.data.begin(), request.data.end(), taken.begin());
            clocksWritten_.push_back(taken);
        }
        replies.push_back(writeReply(address_, request.first, clock ? kClockTaken : kClockRefused));
        return clock ? "clock set" : "clock refused";
    }
    case kLock:
        if (locked_ || request.data.empty()) {
            replies.push_back(writeReply(address_, request.first, kLockRefused));
            return "lock refused";
        }
        locked_ = true;
        password_ = request.data;
        replies.push_back(writeReply(address_, request.first, kLocked));
        return "locked";
    case kUnlock:
        if (locked_ && request.data != password_) {
            replies.push_back(writeReply(address_, request.first, kUnlockRefused));
            return "unlock refused, wrong password";
        }
        locked_ = false;
        password_.clear();
        replies.push_back(writeReply(address_, request.first, kUnlocked));
        return "unlocked";
    default:
        return "no such register, no reply";
    }
}

std::string BoardModel::command55(const Request& request, std::vector<Bytes>& replies)
{
    if (request.address != kEveryModule && request.address != address_)
        return "for another module";
    switch (request.code) {
    case kReadAddress:
        replies.push_back(addressReply(address_));
        return "address read";
    case kWriteAddress:
        if (request.value > 0xFF)
            return "address out of range, ignored";
        address_ = static_cast<std::uint8_t>(request.value);
        // The editor awaits nothing; the reply tells a terminal that the new address was taken.
        replies.push_back(addressReply(address_));
        return "address set";
    default:
        return "unknown 0x55 command, no reply";
    }
}

}  // namespace lumio::sim
