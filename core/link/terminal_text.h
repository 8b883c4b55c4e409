#pragma once
// TerminalText: what the debug terminal has received and shows, as GBK bytes.
//
// Received bytes collect in a pending text (as they are, or with the hexadecimal display on as two
// upper-case digits and a space each) and reach the shown text in batches, one per 50 ms tick. Only the
// new part of each batch is handed to the window, so a long session costs the same per batch as a short
// one. The shown text is bounded: past kScrollBackLimit bytes the oldest part is dropped (down to three
// quarters of the limit) behind a marker line, and the window is told to show the text anew.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr size_t kScrollBackLimit = 2 * 1024 * 1024;
// The hexadecimal display is turned off only for a text shorter than this; a longer one is emptied.
inline constexpr size_t kHexToTextLimit = 1024;

// "41 42 0D": each byte as two upper-case hexadecimal digits, joined by single spaces.
std::string textToHexDisplay(ByteView text);
// The trimmed text read as a pair of hexadecimal digits every third character, each pair one byte;
// a text of kHexToTextLimit characters or more gives nothing.
Bytes hexDisplayToText(std::string_view text);

// The marker line put where older text was dropped (GBK).
std::string scrollBackMarker();

class TerminalText {
public:
    explicit TerminalText(size_t limit = kScrollBackLimit) : limit_(limit) {}

    struct Batch {
        std::string appended;  // GBK bytes to add at the end of what is shown
        bool rebuilt = false;  // older text was dropped: show text() anew instead
        bool empty() const { return appended.empty() && !rebuilt; }
    };

    bool hexDisplay() const { return hexDisplay_; }
    // Turns the display over, converting what is already shown (the text is rebuilt).
    void setHexDisplay(bool on);

    void receive(ByteView bytes);
    // The 50 ms tick: moves the pending text to the shown text. `stamp`, when given, starts the batch on
    // a line of its own (the time stamp of the batch).
    Batch flush(std::string_view stamp = {});
    bool hasPending() const { return !pending_.empty(); }

    const std::string& text() const { return text_; }
    void clear();

private:
    size_t limit_;
    bool hexDisplay_ = false;
    std::string text_;
    std::string pending_;
};

}  // namespace lumio
