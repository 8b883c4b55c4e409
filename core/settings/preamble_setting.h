#pragma once
// The identification text of the attention preamble, overridable in the settings file for boards whose
// firmware expects another text:
//
//   [canshu_v2]
//   preamble_id=ABCDEFGHIJKLM     exactly 13 printable ASCII characters
//
// This editor's own key: the editor only reads it (the settings dialog never writes it), and readers that
// do not know it ignore it. A missing key or a value that is not 13 printable ASCII characters gives the
// built-in text.
#include <string>
#include <string_view>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::string_view kPreambleIdKey = "preamble_id";

std::string readPreambleIdentification(ByteView profile);

}  // namespace lumio
