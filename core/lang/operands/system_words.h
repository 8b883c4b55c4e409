#pragma once
// The fixed system words: built-in values, fields and functions of the board, codes 1..94 (1..82 in
// the classic edition, whose codes 73..76 read differently). A word used alone is a Token of kind 10.
#include <string>
#include <string_view>

#include "core/edition.h"

namespace lumio {

inline constexpr int kSystemWordCount = 94;
inline constexpr int kClassicSystemWordCount = 82;

// The word for a code; the empty text for 0 and codes past the edition's end.
const std::string& systemWord(int code, Edition edition);
// The lowest code whose word equals `word` exactly, or 0 ("联机开关量" is 43, not 77).
int systemCode(std::string_view word, Edition edition);

}  // namespace lumio
