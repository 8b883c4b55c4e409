#include "core/lang/expressions/plain_forms.h"

#include "core/lang/operands/text_walk.h"
#include "core/lang/operands/token.h"

namespace lumio {
namespace {

ByteView firstBytes(ByteView bytes, size_t count) { return count > bytes.size() ? bytes : bytes.substr(0, count); }

}  // namespace

Bytes parseHexBytes(std::string_view text) { return parseHexGroups(text); }

std::string printHexBytes(ByteView bytes) { return hexPairs(bytes); }

Bytes decodeHexBytes(ByteView bytes, size_t count) { return Bytes(firstBytes(bytes, count)); }

// Cut on a character boundary, so the board never receives half a character.
Bytes parseRawText(std::string_view text) { return Bytes(cutAtCharacter(text, kMaxPlainBytes)); }

Bytes decodeRawText(ByteView bytes, size_t count) { return Bytes(firstBytes(bytes, count)); }

}  // namespace lumio
