#include "core/link/terminal_text.h"

#include "core/text/gbk.h"

namespace lumio {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

unsigned hexValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return 16;
}

// A pair of characters read as a hexadecimal number: its leading digits (none gives 0).
std::uint8_t pairValue(char high, char low) {
    if (hexValue(high) == 16) return 0;
    if (hexValue(low) == 16) return static_cast<std::uint8_t>(hexValue(high));
    return static_cast<std::uint8_t>(hexValue(high) << 4 | hexValue(low));
}

// In text mode a batch must not end inside a double-byte character: an odd run of high bytes at its end
// leaves its last byte (a lead byte) for the next batch.
size_t completeLength(std::string_view pending) {
    size_t highRun = 0;
    while (highRun < pending.size() && static_cast<unsigned char>(pending[pending.size() - 1 - highRun]) >= 0x80) {
        ++highRun;
    }
    return highRun % 2 == 1 && isGbkLeadByte(static_cast<unsigned char>(pending.back())) ? pending.size() - 1
                                                                                          : pending.size();
}

}  // namespace

std::string textToHexDisplay(ByteView text) { return hexPairs(text); }

Bytes hexDisplayToText(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    if (text.size() >= kHexToTextLimit) return {};
    Bytes bytes;
    for (size_t i = 0; i < trimmed.size(); i += 3) {
        const char low = i + 1 < trimmed.size() ? trimmed[i + 1] : ' ';
        bytes.push_back(static_cast<char>(pairValue(trimmed[i], low)));
    }
    return bytes;
}

std::string scrollBackMarker() { return toGbk("……（更早的接收内容已丢弃）……\r\n"); }

void TerminalText::setHexDisplay(bool on) {
    if (on == hexDisplay_) return;
    hexDisplay_ = on;
    if (on) {
        text_ = textToHexDisplay(text_);
        // Bytes received from now on go on after a separating space, as every received byte does.
        if (!text_.empty()) text_ += ' ';
    } else {
        text_ = hexDisplayToText(text_);
    }
}

void TerminalText::receive(ByteView bytes) {
    if (!hexDisplay_) {
        pending_.append(bytes);
        return;
    }
    pending_.reserve(pending_.size() + bytes.size() * 3);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        pending_ += kHexDigits[byte >> 4];
        pending_ += kHexDigits[byte & 0x0F];
        pending_ += ' ';
    }
}

TerminalText::Batch TerminalText::flush(std::string_view stamp) {
    Batch batch;
    const size_t length = hexDisplay_ ? pending_.size() : completeLength(pending_);
    if (length == 0) return batch;
    if (!stamp.empty()) {
        if (!text_.empty() && text_.back() != '\n') batch.appended += "\r\n";
        batch.appended.append(stamp);
        batch.appended += ' ';
    }
    batch.appended.append(pending_, 0, length);
    pending_.erase(0, length);
    text_ += batch.appended;
    if (text_.size() > limit_) {
        // Drop down to three quarters, so this happens once per quarter of the limit, not every batch.
        size_t cut = text_.size() - limit_ * 3 / 4;
        const size_t lineEnd = text_.find('\n', cut);
        if (lineEnd != std::string::npos && lineEnd - cut < 4096) cut = lineEnd + 1;
        else if (hexDisplay_) cut += (3 - cut % 3) % 3;
        // In place: no second copy of a two-megabyte text on the window's clock.
        text_.erase(0, cut);
        text_.insert(0, scrollBackMarker());
        batch.rebuilt = true;
    }
    return batch;
}

void TerminalText::clear() {
    text_.clear();
    pending_.clear();
}

}  // namespace lumio
