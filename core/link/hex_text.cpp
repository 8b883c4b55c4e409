#include "core/link/hex_text.h"

#include <vector>

#include "core/text/gbk.h"

namespace lumio {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view trimWhitespace(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Only the low 8 bits are kept, so the value is accumulated modulo 256.
std::uint8_t hexTokenByte(std::string_view token) {
    if (token.size() >= 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) token.remove_prefix(2);
    unsigned value = 0;
    for (char c : token) {
        const int digit = hexDigit(c);
        if (digit < 0) break;
        value = (value * 16 + static_cast<unsigned>(digit)) & 0xFF;
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace

HexText parseHexText(std::string_view text) {
    const std::string padded = " " + std::string(trimWhitespace(text)) + " ";
    if (padded.size() < 2 || padded.size() >= kHexTextLimit) return {};
    std::vector<std::string_view> tokens;
    const std::string_view line = padded;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        if (line[i] != ' ' || line[i + 1] == ' ') continue;
        const size_t start = i + 1;
        const size_t stop = line.find(' ', start);
        const std::string_view token = trimWhitespace(line.substr(start, stop - start));
        if (token.size() > kHexTokenLimit) return {};
        tokens.push_back(token);
    }
    if (tokens.size() > kHexTokenCountLimit) return HexText{{}, HexTextStatus::TooManyTokens};
    HexText result;
    for (std::string_view token : tokens) result.bytes.push_back(static_cast<char>(hexTokenByte(token)));
    return result;
}

std::string tooManyHexTokensText() {
    return toGbk("一行最多 200 个16进制数，这一行没有发送。");
}

}  // namespace lumio
