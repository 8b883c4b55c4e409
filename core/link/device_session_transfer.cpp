// Whole-program transfer: read all (driven by the board, the editor asking for each next block) and
// write all (driven by the editor: one 50-byte block in flight, acknowledged, resent on a clock).
#include <algorithm>

#include "core/link/device_session.h"
#include "core/link/link_texts.h"
#include "core/model/program_image.h"

namespace lumio {
namespace {

// A read-program reply: addr 'g' n index(2) total(2) data(n - 4) crc(2).
constexpr std::uint8_t kShortestBlockLength = 5;
constexpr size_t kBlockDataOffset = 7;

}  // namespace

Effects DeviceSession::readAll() {
    Effects effects;
    begin(LinkOperation::ReadAll, effects);
    // A fresh buffer for every read, so a short or total-0 reply is never checked against the leftovers
    // of an earlier transfer. It grows with the blocks; what was never received reads as zeros.
    readBuffer_.clear();
    readSilenceTicks_ = kReadSilenceTicks;
    sendRequest(readProgramRequest(moduleAddress_, 0), true, effects);
    return effects;
}

void DeviceSession::onReadAllFrame(ByteView frame, Effects& effects) {
    const CrcReply reply{frame};
    const std::uint32_t index = reply.u16(3);
    const std::uint32_t total = reply.u16(5);
    const bool wellFormed = reply.code() == kReadProgramCode && reply.length() >= kShortestBlockLength &&
                            frame.size() >= kBlockDataOffset + reply.length() - 4u;
    const size_t dataSize = wellFormed ? reply.length() - 4u : 0;
    // A block reaching past the buffer is refused like a wrong reply: nothing is written outside it.
    if (!wellFormed || index * kTransferBlockSize + dataSize > kTransferBufferSize) {
        setProgress(progress_.range, 0, effects);
        effects.push_back(ShowMessage{readBadFrameText(), caption::notice()});
        readBuffer_.clear();
        end(Outcome::Failed, effects);
        return;
    }
    setProgress(total, index, effects);
    const size_t offset = size_t{index} * kTransferBlockSize;
    if (readBuffer_.size() < offset + dataSize) readBuffer_.resize(offset + dataSize, '\0');
    std::copy_n(frame.begin() + kBlockDataOffset, dataSize, readBuffer_.begin() + static_cast<std::ptrdiff_t>(offset));
    readSilenceTicks_ = kReadSilenceTicks;
    if (index + 1 != total && total != 0) {
        sendRequest(readProgramRequest(moduleAddress_, 1), false, effects);
        return;
    }
    finishRead(effects);
}

void DeviceSession::finishRead(Effects& effects) {
    setProgress(progress_.range, 0, effects);
    // The check reads the first T bytes (T from bytes 2..5) of a zero-filled 500,000-byte buffer: pad the
    // received bytes with zeros that far, no further.
    if (readBuffer_.size() >= 6) {
        const size_t claimed = std::min<size_t>(readU32BigEndian(readBuffer_, 2), kTransferBufferSize);
        if (readBuffer_.size() < claimed) readBuffer_.resize(claimed, '\0');
    }
    const ImageCheck check = checkProgramImage(readBuffer_, config_.edition);
    if (check == ImageCheck::Ok) {
        const std::uint32_t size = readU32BigEndian(readBuffer_, 2);
        effects.push_back(ImageRead{readBuffer_.substr(0, size)});
        effects.push_back(ShowMessage{readDoneText(), caption::notice()});
    } else {
        effects.push_back(ShowMessage{readBadImageText(), caption::notice()});
    }
    readBuffer_.clear();
    end(check == ImageCheck::Ok ? Outcome::Completed : Outcome::Failed, effects);
}

void DeviceSession::tickRead(Effects& effects) {
    if (operation_ != LinkOperation::ReadAll || readSilenceTicks_ == 0) return;
    if (--readSilenceTicks_ != 0) return;
    setProgress(progress_.range, 0, effects);
    effects.push_back(ShowMessage{readTimeoutText(), caption::notice()});
    readBuffer_.clear();
    end(Outcome::TimedOut, effects);
}

Effects DeviceSession::writeAll(ByteView image) {
    Effects effects;
    // Refused before anything changes: a pending operation goes on.
    if (image.size() >= kTransferBufferSize) {
        effects.push_back(ShowMessage{writeTooLargeText(static_cast<std::uint32_t>(image.size())), caption::notice()});
        return effects;
    }
    if (image.empty()) {
        effects.push_back(ShowMessage{writeEmptyText(), caption::notice()});
        return effects;
    }
    begin(LinkOperation::WriteAll, effects);
    write_.image = Bytes(image);
    const auto size = static_cast<std::uint32_t>(image.size());
    write_.blockTotal = (size + kTransferBlockSize - 1) / kTransferBlockSize;
    write_.blockIndex = 0;
    setProgress(write_.blockTotal, 0, effects);
    preambleArmed_ = true;
    write_.resendTicks = kResendTicks;
    write_.resendBudget = kResendBudget;
    sendBlock(effects);
    return effects;
}

void DeviceSession::sendBlock(Effects& effects) {
    if (write_.blockTotal == 0 || write_.blockIndex >= write_.blockTotal || operation_ != LinkOperation::WriteAll) {
        return;
    }
    const size_t offset = size_t{write_.blockIndex} * kTransferBlockSize;
    if (offset >= write_.image.size()) {
        abortWrite(effects);
        return;
    }
    const ByteView data = ByteView(write_.image).substr(offset, kTransferBlockSize);
    sendRequest(blockRequest(moduleAddress_, static_cast<std::uint16_t>(write_.blockIndex),
                             static_cast<std::uint16_t>(write_.blockTotal), data),
                false, effects);
    byteReceived_ = false;
}

void DeviceSession::clearWrite() {
    write_ = WriteState{};
}

void DeviceSession::abortWrite(Effects& effects) {
    clearWrite();
    byteReceived_ = false;
    end(Outcome::Failed, effects);
}

void DeviceSession::onWriteAllFrame(ByteView frame, Effects& effects) {
    const CrcReply reply{frame};
    if (reply.code() != kBlockCode || reply.u16(2) != write_.blockIndex || reply.u16(4) != write_.blockTotal) return;
    ++write_.blockIndex;
    setProgress(write_.blockTotal, write_.blockIndex, effects);
    if (write_.blockIndex == write_.blockTotal) {
        effects.push_back(ShowMessage{writeDoneText(), caption::notice()});
        setProgress(write_.blockTotal, 0, effects);
        clearWrite();
        end(Outcome::Completed, effects);
        return;
    }
    write_.resendTicks = kResendTicks;
    write_.resendBudget = kResendBudget;
    sendBlock(effects);
}

void DeviceSession::tickWrite(Effects& effects) {
    if (operation_ != LinkOperation::WriteAll || write_.blockTotal == 0 || write_.blockIndex >= write_.blockTotal ||
        write_.resendTicks == 0) {
        return;
    }
    if (--write_.resendTicks != 0) return;
    write_.resendTicks = kResendTicks;
    if (write_.resendBudget == 0) {
        clearWrite();
        effects.push_back(ShowMessage{writeTimeoutText(), caption::notice()});
        end(Outcome::TimedOut, effects);
        return;
    }
    // A board that keeps talking without acknowledging is given more patience than a silent one.
    const int charge = byteReceived_ ? 1 : 10;
    write_.resendBudget = std::max(0, write_.resendBudget - charge);
    sendBlock(effects);
}

}  // namespace lumio
