#pragma once
// GBK (code page 936) text. Inside core every stored or compared text is a GBK byte string held in a
// std::string; UTF-8 appears only at the edges (source literals, the terminal, Qt).
#include <string>
#include <string_view>

namespace lumio {

// UTF-8 to GBK. Characters GBK cannot represent become '?'; malformed UTF-8 bytes become '?'.
std::string toGbk(std::string_view utf8);

// UTF-8 to GBK as toGbk converts it, and the first piece of the input that became '?': a character
// GBK has no code for, or a malformed UTF-8 sequence, as the input bytes. Empty when all converted.
struct GbkConversion {
    std::string text;
    std::string firstReplaced;
};
GbkConversion convertToGbk(std::string_view utf8);

// Names a piece of input that GBK could not hold, in UTF-8: «“•” (U+2022)» for a character, the bytes in hex
// for malformed UTF-8 («malformed UTF-8 bytes FF»).
std::string describeUnconvertible(std::string_view utf8Piece);

// GBK to UTF-8. Bytes that are not valid GBK become U+FFFD, so every byte string can be shown.
std::string toUtf8(std::string_view gbkBytes);

// True when byte b is the lead byte of a GBK double-byte character (0x81..0xFE).
constexpr bool isGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace lumio
