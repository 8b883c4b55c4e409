#pragma once
// FrameAssembler: cuts the received byte stream into frames. Two assemblers share one state: the CRC
// assembler (every operation except ReadAddress) and the address assembler (ReadAddress).
//
// Their rules are the board protocol's, quirks included, because boards and their firmware expect them:
// - The in-frame marker is cleared by every request the editor sends and set by every byte received;
//   a byte that arrives with the marker clear starts a new frame. Nothing times out by itself.
// - 'g', 'i', 'j', 'l' as function code set the expected length to 8; for 'g' and 'i' the next byte n
//   makes it n + 5 (modulo 256). Other codes keep the length the previous frame left.
// - When the check of a complete frame fails nothing is reset: the count stays on the last position,
//   so each further byte replaces the last one and the check is tried again.
// - A frame that passes its check but carries another module address completes and is dropped.
// - A 'g'/'i' length byte of 251 or more cannot be assembled: the expected length wraps to 0..4 and no
//   frame shorter than 5 bytes is ever delivered; the bytes are lost until the next request.
// The receive buffer holds 500 bytes; positions never pass 254, so no input reads or writes outside it.
#include <array>
#include <cstdint>
#include <optional>

#include "core/text/bytes.h"

namespace lumio {

class FrameAssembler {
public:
    static constexpr size_t kBufferSize = 500;

    // A request was sent: the next byte starts a new frame.
    void requestSent() { inFrame_ = 0; }

    // Feeds one byte to the CRC assembler. Returns the frame it completes, if that frame passed its
    // check and carries `moduleAddress`. The view stays valid until the next call.
    std::optional<ByteView> pushCrc(std::uint8_t byte, std::uint8_t moduleAddress);
    // Feeds one byte to the address assembler; returns the 8-byte address reply it completes.
    std::optional<ByteView> pushAddress(std::uint8_t byte);

    std::uint8_t count() const { return count_; }
    std::uint8_t expectedLength() const { return expected_; }

private:
    std::array<std::uint8_t, kBufferSize> buffer_{};
    std::uint8_t count_ = 0;
    bool discarding_ = false;
    int code_ = 0;
    std::uint8_t expected_ = 8;
    std::uint8_t inFrame_ = 0;

    ByteView view(size_t length) const {
        return ByteView(reinterpret_cast<const char*>(buffer_.data()), length);
    }
};

}  // namespace lumio
