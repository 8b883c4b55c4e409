#include "core/text/bytes.h"

#include <cstdarg>
#include <cstdio>

namespace lumio {

void appendU16BigEndian(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value & 0xFF));
}

void appendU32BigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint16_t readU16BigEndian(ByteView bytes, size_t offset) {
    return static_cast<std::uint16_t>((byteAt(bytes, offset) << 8) | byteAt(bytes, offset + 1));
}

std::uint32_t readU32BigEndian(ByteView bytes, size_t offset) {
    return (std::uint32_t{byteAt(bytes, offset)} << 24) | (std::uint32_t{byteAt(bytes, offset + 1)} << 16) |
           (std::uint32_t{byteAt(bytes, offset + 2)} << 8) | std::uint32_t{byteAt(bytes, offset + 3)};
}

std::string hexPairs(ByteView bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out.push_back(' ');
        out.push_back(digits[byteAt(bytes, i) >> 4]);
        out.push_back(digits[byteAt(bytes, i) & 0x0F]);
    }
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string trimSpaces(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

std::string trimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    return std::string(text.substr(begin, end - begin));
}

bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool isAsciiAlnum(char c) { return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    size_t position = 0;
    while ((position = text.find(from, position)) != std::string::npos) {
        text.replace(position, from.size(), to);
        position += to.size();
    }
}

std::string formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return out;
}

}  // namespace lumio
