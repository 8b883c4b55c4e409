#include "core/textform/text_escape.h"

#include <algorithm>

namespace lumio {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendHexByte(std::string& out, unsigned char value) {
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
}

}  // namespace

std::string escapeText(std::string_view text, bool guardEnds) {
    if (guardEnds && text.empty()) return "\\e";
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool guarded = guardEnds && ((i == 0 && c == '=') || (i + 1 == text.size() && c == ' '));
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c < 0x20 || c == 0x7F || guarded) {
            out += "\\x";
            appendHexByte(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<std::string> unescapeText(std::string_view text, std::string& error) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size()) {
            error = "a backslash ends the line (write \\\\ for a backslash)";
            return std::nullopt;
        }
        const char kind = text[++i];
        if (kind == '\\') out += '\\';
        else if (kind == 't') out += '\t';
        else if (kind == 'r') out += '\r';
        else if (kind == 'n') out += '\n';
        else if (kind == 'e') continue;
        else if (kind == 'x' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            error = std::string("unknown escape \\") + kind + " (known: \\\\ \\t \\r \\n \\xNN \\e)";
            return std::nullopt;
        }
    }
    return out;
}

std::string hexDigits(ByteView bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) appendHexByte(out, static_cast<unsigned char>(c));
    return out;
}

std::string recordHex(ByteView record) {
    const size_t param3Length = record.size() > 6 ? byteAt(record, 6) : 0;
    const size_t bounds[] = {0, 3, 7, 7 + param3Length, record.size()};
    std::string out;
    for (size_t group = 0; group + 1 < std::size(bounds); ++group) {
        const size_t from = std::min(bounds[group], record.size());
        const size_t to = std::min(bounds[group + 1], record.size());
        if (from >= to) continue;
        if (!out.empty()) out += ' ';
        out += hexDigits(record.substr(from, to - from));
    }
    return out;
}

std::vector<std::string> hexLines(ByteView bytes) {
    constexpr size_t kLineBytes = 32;
    constexpr size_t kGroupBytes = 4;
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size(); start += kLineBytes) {
        const ByteView chunk = bytes.substr(start, kLineBytes);
        std::string line;
        for (size_t group = 0; group < chunk.size(); group += kGroupBytes) {
            if (!line.empty()) line += ' ';
            line += hexDigits(chunk.substr(group, kGroupBytes));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<Bytes> parseHex(std::string_view text, std::string& error) {
    Bytes out;
    int high = -1;
    for (const char c : text) {
        if (c == ' ') continue;
        const int value = hexValue(c);
        if (value < 0) {
            error = std::string("'") + c + "' is not a hex digit";
            return std::nullopt;
        }
        if (high < 0) {
            high = value;
        } else {
            out += static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    if (high >= 0) {
        error = "an odd number of hex digits";
        return std::nullopt;
    }
    return out;
}

}  // namespace lumio
