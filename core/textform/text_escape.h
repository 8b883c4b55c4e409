#pragma once
// The small textual pieces of the program text: escaped UTF-8 text and bytes in hex.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/bytes.h"

namespace lumio {

// Control characters and the backslash written as escapes (\\, \t, \r, \n, \xNN), so that any text
// fits on one line. With `guardEnds`, a leading '=' and a trailing space are escaped as well, so the
// line can neither be taken for a heading nor lose its last space to an editor, and an empty text is
// written \e, so that it is not a blank line.
std::string escapeText(std::string_view text, bool guardEnds = false);
// The text an escapeText output stands for (\e stands for nothing); nullopt with `error` set for a malformed escape.
std::optional<std::string> unescapeText(std::string_view text, std::string& error);

// Lower-case hex, two digits a byte, no separators.
std::string hexDigits(ByteView bytes);
// A StatementRecord in hex, grouped the way the record is laid out: length, flags and colour; kind,
// param1, param2 and N; the N param3 bytes; the comment. Empty groups are left out.
std::string recordHex(ByteView record);
// Bytes in hex lines of 32 bytes, in groups of four bytes.
std::vector<std::string> hexLines(ByteView bytes);
// Hex digits with any spaces between them; nullopt with `error` set for anything else.
std::optional<Bytes> parseHex(std::string_view text, std::string& error);

}  // namespace lumio
