#include "sim/board_firmware.h"

#include "sim/board_checks.h"

namespace lumio::sim {
namespace {

constexpr std::size_t kHeaderLength = 16;
constexpr std::size_t kFirmwareBlock = 50;
constexpr std::uint32_t kLoadAddress = 0x08006000;
constexpr std::uint32_t kFastBaud = 115200;

std::uint32_t readBigEndian32(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(readBigEndian16(bytes, offset)) << 16 | readBigEndian16(bytes, offset + 2);
}

}  // namespace

bool FirmwareTarget::handle(const Request& request, std::vector<Bytes>& replies)
{
    note_.clear();
    if (request.kind == RequestKind::ReadRegister && request.first == kFirmwareRegister) {
        replies.push_back(registerReply(address_, Bytes(chip_.begin(), chip_.end())));
        stage_ = Stage::Named;
        fast_ = request.second == kFastBaudParam;
        note_ = "firmware: chip " + chip_ + (fast_ ? ", switching to 115200 baud" : "");
        if (fast_)
            baudChange_ = kFastBaud;
        return true;
    }
    if (request.kind == RequestKind::WriteRegister && request.first == kFirmwareRegister) {
        replies.push_back(writeReply(address_, kFirmwareRegister, 0));
        stage_ = Stage::Described;
        note_ = "firmware: descriptor";
        return true;
    }
    if (request.kind != RequestKind::Block || request.first < kFirmwareHeaderIndex)
        return false;
    if (request.first == kFirmwareHeaderIndex)
        header(request, replies);
    else
        block(request, replies);
    return true;
}

void FirmwareTarget::header(const Request& request, std::vector<Bytes>& replies)
{
    if (stage_ != Stage::Described || request.data.size() != kHeaderLength ||
        readBigEndian32(request.data, 0) != kLoadAddress) {
        note_ = "firmware: header refused";
        return;
    }
    size_ = readBigEndian32(request.data, 4);
    crc_ = static_cast<std::uint16_t>(request.data[10] | request.data[11] << 8);
    sum_ = request.data[12];
    xor_ = request.data[13];
    total_ = request.second;
    expected_ = kFirmwareHeaderIndex + 1;
    image_.clear();
    verdict_ = Verdict::None;
    stage_ = Stage::Receiving;
    replies.push_back(blockAcknowledgement(address_, request.first, request.second));
    note_ = "firmware: header, " + std::to_string(size_) + " bytes in " + std::to_string(total_) + " blocks";
}

void FirmwareTarget::block(const Request& request, std::vector<Bytes>& replies)
{
    if (stage_ != Stage::Receiving || request.second != total_ || request.first != expected_ ||
        request.data.empty() || request.data.size() > kFirmwareBlock) {
        note_ = "firmware: block " + std::to_string(request.first) + " out of order, not acknowledged";
        return;
    }
    image_.insert(image_.end(), request.data.begin(), request.data.end());
    replies.push_back(blockAcknowledgement(address_, request.first, request.second));
    ++expected_;
    note_ = "firmware: block " + std::to_string(request.first);
    if (request.first - kFirmwareHeaderIndex == total_)
        finish();
}

void FirmwareTarget::finish()
{
    reason_.clear();
    if (image_.size() != size_)
        reason_ = "size " + std::to_string(image_.size()) + " is not the header's " + std::to_string(size_);
    else if (modbusCrc(image_) != crc_)
        reason_ = "CRC does not match the header";
    else if (byteSum(image_) != sum_)
        reason_ = "sum does not match the header";
    else {
        std::uint8_t parity = 0;
        for (std::uint8_t byte : image_)
            parity ^= byte;
        if (parity != xor_)
            reason_ = "XOR does not match the header";
    }
    verdict_ = reason_.empty() ? Verdict::Accepted : Verdict::Refused;
    if (verdict_ == Verdict::Accepted)
        ++accepted_;
    note_ += reason_.empty() ? "; firmware accepted: " + std::to_string(size_) + " bytes, size, CRC, sum and XOR match"
                             : "; firmware refused: " + reason_;
    stage_ = Stage::Idle;
    if (fast_)
        baudChange_ = kOwnBaud;
    fast_ = false;
}

std::uint32_t FirmwareTarget::takeBaudChange()
{
    const std::uint32_t change = baudChange_;
    baudChange_ = kNoBaudChange;
    return change;
}

}  // namespace lumio::sim
