#include "core/link/frame_assembler.h"

#include "core/checks/crc16.h"
#include "core/link/frames.h"

namespace lumio {
namespace {

constexpr std::uint8_t kInFrame = 5;
// The shortest CRC reply: address, code, n = 0, two check bytes.
constexpr int kShortestCrcReply = 5;

bool fixesLength(int code) {
    return code == kReadProgramCode || code == kReadCode || code == kBlockCode || code == kWriteCode;
}

bool hasLengthByte(int code) { return code == kReadProgramCode || code == kReadCode; }

}  // namespace

std::optional<ByteView> FrameAssembler::pushCrc(std::uint8_t byte, std::uint8_t moduleAddress) {
    std::optional<ByteView> delivered;
    if (inFrame_ == 0) count_ = 0;
    if (count_ == 0) discarding_ = false;
    if (discarding_) {
        count_ = 0;
        inFrame_ = kInFrame;
        return delivered;
    }
    if (count_ == 1) {
        code_ = byte;
        if (fixesLength(code_)) expected_ = 8;
    }
    if (count_ == 2 && hasLengthByte(code_)) expected_ = static_cast<std::uint8_t>(byte + 5);

    const int last = int{expected_} - 1;
    if (count_ < last) {
        buffer_[count_] = byte;
        ++count_;
    } else if (count_ == last) {
        buffer_[count_] = byte;
        const ByteView frame = view(expected_);
        // A wrapped length (n >= 251) gives 0..4 bytes: never a frame, handled like a failed check.
        if (expected_ >= kShortestCrcReply && crcFrameChecks(frame)) {
            if (buffer_[0] == moduleAddress) delivered = frame;
            code_ = 0;
            count_ = 0;
        }
    }
    inFrame_ = kInFrame;
    return delivered;
}

std::optional<ByteView> FrameAssembler::pushAddress(std::uint8_t byte) {
    std::optional<ByteView> delivered;
    if (inFrame_ == 0) count_ = 0;
    if (count_ == 0) discarding_ = byte != kAddressReplyMarker;
    if (discarding_) {
        count_ = 0;
    } else {
        buffer_[count_] = byte;
        if (count_ < 7) {
            ++count_;
        } else if (buffer_[0] == kAddressReplyMarker && sum8(view(7)) == buffer_[7]) {
            delivered = view(8);
            count_ = 0;
        }
    }
    inFrame_ = kInFrame;
    return delivered;
}

}  // namespace lumio
