#pragma once
// parseDecimalList: the space-separated decimal numbers typed into the command wizard's parameter
// ("1 3 5 12", "2 8 100"). The text is trimmed and one space put on each side; a result shorter than 2
// or of 256 characters or more gives no numbers. A character that is neither a space nor a digit gives
// no numbers and asks for the message "参数只能是数字". Tokens are at most 9 digits (a longer one gives
// no numbers) and at most 99 numbers are read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

inline constexpr size_t kDecimalListTextLimit = 256;
inline constexpr size_t kDecimalTokenLimit = 9;
inline constexpr size_t kDecimalListCountLimit = 99;

struct DecimalList {
    std::vector<std::uint32_t> numbers;
    bool notDigits = false;  // show digitsOnlyText()
    friend bool operator==(const DecimalList&, const DecimalList&) = default;
};

DecimalList parseDecimalList(std::string_view text);

// "参数只能是数字" (GBK).
std::string digitsOnlyText();

// The leading decimal digits of the trimmed text as a number (none gives 0), wrapping at 32 bits.
std::uint32_t leadingDecimal(std::string_view text);

}  // namespace lumio
