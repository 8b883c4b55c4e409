#pragma once
// The two plain parameter forms, stored as the bytes themselves without a length byte: hex bytes
// («01 02 FF», at most 200 bytes) and raw text (GBK, at most 200 bytes, no terminator).
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr size_t kMaxPlainBytes = 200;

// Groups of hex digits separated by spaces, read as parseHexGroups reads them (each group's digits up
// to its first other character, low 8 bits); a group longer than 9 characters or a text of 498 bytes or
// more gives no bytes.
Bytes parseHexBytes(std::string_view text);
// Each byte as two upper-case hex digits, separated by single spaces.
std::string printHexBytes(ByteView bytes);
inline Bytes encodeHexBytes(ByteView bytes) { return Bytes(bytes); }
Bytes decodeHexBytes(ByteView bytes, size_t count = std::string_view::npos);

Bytes parseRawText(std::string_view text);
inline std::string printRawText(ByteView bytes) { return std::string(bytes); }
inline Bytes encodeRawText(ByteView bytes) { return Bytes(bytes); }
Bytes decodeRawText(ByteView bytes, size_t count = std::string_view::npos);

}  // namespace lumio
