#include "core/text/numbers.h"

#include <cstdlib>
#include <string>

#include "core/text/bytes.h"

namespace lumio {
namespace {

// Finds the k-th numeric run; returns its text (with sign) or empty.
std::string nthRun(std::string_view input, int k, bool allowPoint) {
    const std::string text = " " + std::string(input) + " ";
    int found = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (isAsciiDigit(text[i]) && (i == 0 || !isAsciiDigit(text[i - 1]))) {
            size_t begin = i;
            if (begin > 0 && text[begin - 1] == '-') --begin;
            size_t end = i;
            bool pointSeen = false;
            while (end < text.size()) {
                if (isAsciiDigit(text[end])) {
                    ++end;
                } else if (allowPoint && !pointSeen && text[end] == '.' && end + 1 < text.size() &&
                           isAsciiDigit(text[end + 1]) && isAsciiDigit(text[end - 1])) {
                    pointSeen = true;
                    ++end;
                } else {
                    break;
                }
            }
            if (++found == k) return text.substr(begin, end - begin);
            i = end;
        } else {
            ++i;
        }
    }
    return {};
}

}  // namespace

std::int32_t nthInteger(std::string_view text, int k) {
    const std::string run = nthRun(text, k, false);
    if (run.empty()) return 0;
    // Long runs wrap like a 32-bit conversion rather than failing.
    long long value = std::strtoll(run.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<unsigned long long>(value)));
}

double nthFloat(std::string_view text, int k) {
    const std::string run = nthRun(text, k, true);
    return run.empty() ? 0.0 : std::strtod(run.c_str(), nullptr);
}

bool matchesNumberedPrefix(std::string_view text, std::string_view prefix) {
    if (text.size() <= prefix.size()) return false;
    if (asciiUpper(text.substr(0, prefix.size())) != asciiUpper(prefix)) return false;
    for (char c : text.substr(prefix.size()))
        if (!isAsciiDigit(c) && c != '-') return false;
    return true;
}

}  // namespace lumio
