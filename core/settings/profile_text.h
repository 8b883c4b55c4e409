#pragma once
// Private profile (INI) text: the line format read and written by the platform's profile functions.
//
//   [section]          section header; names compare case-insensitively (ASCII)
//   key=value          key and value are trimmed of spaces and tabs; keys compare case-insensitively
//
// A value enclosed in a matching pair of single or double quotes is read without them. Only the first
// section of a name and the first key of a name inside it count. Lines end in CR LF (LF alone is read
// too). Texts are GBK bytes; nothing is converted.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

// The value of `key` in `section`, or nothing when the section or the key is missing.
std::optional<std::string> profileValue(ByteView profile, std::string_view section, std::string_view key);

// The value read as an unsigned decimal integer: `fallback` when the key is missing or its value empty;
// otherwise the leading decimal digits (an optional "+" before them), 0 when there are none or the value
// is negative, and larger numbers wrapped to 32 bits.
std::uint32_t profileInteger(ByteView profile, std::string_view section, std::string_view key,
                             std::uint32_t fallback);

// The value as text, empty when missing, cut to at most `limit` bytes.
std::string profileString(ByteView profile, std::string_view section, std::string_view key, size_t limit);

// The profile with `key` in `section` set to `value`. A key already present is rewritten in place (the
// first one, spelt as given); a missing key is added after the last non-blank line of its section; a
// missing section is added at the end. Every other byte of the profile is kept. New lines end like the
// profile's first line (CR LF when it has none). CR and LF inside `value` are dropped, so a value can
// never break the line format.
Bytes withProfileValue(ByteView profile, std::string_view section, std::string_view key, std::string_view value);

}  // namespace lumio
