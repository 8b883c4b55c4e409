#pragma once
// parseHexText: the hexadecimal byte text typed in the debug terminal's send rows and shown by the
// command wizard ("01 03 00 00 00 01", "0x55 f5 41", ...).
//
//   - the text is trimmed and one space put on each side; a result shorter than 2 or of 500 characters or
//     more gives no bytes;
//   - a token starts wherever a space is followed by a non-space character and runs to the next space;
//   - a token longer than 9 characters gives no bytes at all;
//   - each token is an unsigned hexadecimal number ("0x" accepted, the first non-hexadecimal character ends
//     it, an empty number is 0) and its low 8 bits are the next byte.
// A line of more than 200 tokens is refused as a whole (TooManyTokens) rather than sent with its tail
// turned into zero bytes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr size_t kHexTextLimit = 500;
inline constexpr size_t kHexTokenLimit = 9;
inline constexpr size_t kHexTokenCountLimit = 200;

enum class HexTextStatus : std::uint8_t { Ok, TooManyTokens };

struct HexText {
    Bytes bytes;
    HexTextStatus status = HexTextStatus::Ok;
    friend bool operator==(const HexText&, const HexText&) = default;
};

HexText parseHexText(std::string_view text);

// The message for a refused line (GBK).
std::string tooManyHexTokensText();

}  // namespace lumio
