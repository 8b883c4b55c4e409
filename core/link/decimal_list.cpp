#include "core/link/decimal_list.h"

#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio {

DecimalList parseDecimalList(std::string_view text) {
    const std::string padded = " " + trimBlanks(text) + " ";
    if (padded.size() < 2 || padded.size() >= kDecimalListTextLimit) return {};
    for (char c : padded) {
        if (c != ' ' && !isAsciiDigit(c)) return DecimalList{{}, true};
    }
    DecimalList result;
    size_t position = 0;
    while (result.numbers.size() < kDecimalListCountLimit) {
        const size_t start = padded.find_first_not_of(' ', position);
        if (start == std::string::npos) break;
        const size_t stop = padded.find(' ', start);
        if (stop - start > kDecimalTokenLimit) return {};
        std::uint32_t value = 0;
        for (size_t i = start; i < stop; ++i) value = value * 10 + static_cast<std::uint32_t>(padded[i] - '0');
        result.numbers.push_back(value);
        position = stop;
    }
    return result;
}

std::string digitsOnlyText() { return toGbk("参数只能是数字"); }

std::uint32_t leadingDecimal(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    std::uint32_t value = 0;
    for (char c : trimmed) {
        if (!isAsciiDigit(c)) break;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

}  // namespace lumio
