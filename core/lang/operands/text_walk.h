#pragma once
// Stepping through GBK text by characters. A double-byte character is a lead byte 0x81..0xFE followed
// by a trail byte 0x40..0xFE other than 0x7F; its trail byte may equal an ASCII byte ("[", "\", "|").
// Walks that look for ASCII delimiters step over such characters whole, so a name is never torn apart.
// GB2312 text uses only bytes of 0xA1 and above in its characters, so its results are the same either way.
#include <cstddef>
#include <string_view>

namespace lumio {

constexpr bool isGbkTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// 2 when a double-byte character starts at `position`, otherwise 1.
constexpr size_t characterLength(std::string_view text, size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    if (lead >= 0x81 && lead <= 0xFE && position + 1 < text.size() &&
        isGbkTrailByte(static_cast<unsigned char>(text[position + 1])))
        return 2;
    return 1;
}

// The first occurrence of `what` at or after `from` that starts on a character boundary, or npos.
size_t findOnBoundary(std::string_view text, std::string_view what, size_t from = 0);

// The first bytes of `text`, at most `limit`, never ending inside a double-byte character.
std::string_view cutAtCharacter(std::string_view text, size_t limit);

}  // namespace lumio
