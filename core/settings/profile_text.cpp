#include "core/settings/profile_text.h"

#include <vector>

namespace lumio {
namespace {

struct Line {
    size_t begin;       // first byte of the line
    size_t contentEnd;  // end of the text, before CR LF or LF
    size_t end;         // after the line ending
};

std::vector<Line> splitLines(ByteView profile) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < profile.size()) {
        const size_t newline = profile.find('\n', begin);
        if (newline == ByteView::npos) {
            lines.push_back({begin, profile.size(), profile.size()});
            break;
        }
        const size_t contentEnd = newline > begin && profile[newline - 1] == '\r' ? newline - 1 : newline;
        lines.push_back({begin, contentEnd, newline + 1});
        begin = newline + 1;
    }
    return lines;
}

ByteView lineText(ByteView profile, const Line& line) {
    ByteView text = profile.substr(line.begin, line.contentEnd - line.begin);
    // A byte-order mark left by a text editor is not part of the first line.
    if (line.begin == 0 && startsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) { return asciiUpper(a) == asciiUpper(b); }

// The section name when the line is a section header.
std::optional<std::string> sectionName(ByteView text) {
    const std::string trimmed = trimBlanks(text);
    if (!startsWith(trimmed, "[")) return std::nullopt;
    const size_t close = trimmed.find(']');
    return trimBlanks(std::string_view(trimmed).substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

struct KeyLine {
    std::string key;
    std::string value;
};

KeyLine keyLine(ByteView text) {
    const size_t equals = text.find('=');
    if (equals == ByteView::npos) return {trimBlanks(text), {}};
    return {trimBlanks(text.substr(0, equals)), trimBlanks(text.substr(equals + 1))};
}

struct Location {
    std::optional<size_t> header;    // line index of the section header
    std::optional<size_t> key;       // line index of the key
    std::optional<size_t> lastFilled;  // last non-blank line of the section (the header at least)
};

Location locate(ByteView profile, const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location where;
    for (size_t index = 0; index < lines.size(); ++index) {
        const ByteView text = lineText(profile, lines[index]);
        if (const auto name = sectionName(text)) {
            if (where.header) break;
            if (equalsIgnoringAsciiCase(*name, section)) where.header = where.lastFilled = index;
            continue;
        }
        if (!where.header) continue;
        if (trimBlanks(text).empty()) continue;
        where.lastFilled = index;
        if (!where.key && equalsIgnoringAsciiCase(keyLine(text).key, key)) where.key = index;
    }
    return where;
}

std::string withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

ByteView lineEnding(ByteView profile, const std::vector<Line>& lines) {
    for (const Line& line : lines)
        if (line.end > line.contentEnd) return profile.substr(line.contentEnd, line.end - line.contentEnd);
    return "\r\n";
}

}  // namespace

std::optional<std::string> profileValue(ByteView profile, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = splitLines(profile);
    const Location where = locate(profile, lines, section, key);
    if (!where.key) return std::nullopt;
    return withoutQuotes(keyLine(lineText(profile, lines[*where.key])).value);
}

std::uint32_t profileInteger(ByteView profile, std::string_view section, std::string_view key,
                             std::uint32_t fallback) {
    const std::optional<std::string> value = profileValue(profile, section, key);
    if (!value || value->empty()) return fallback;
    std::string_view digits = *value;
    if (startsWith(digits, "-")) return 0;
    if (startsWith(digits, "+")) digits.remove_prefix(1);
    std::uint32_t number = 0;
    for (const char c : digits) {
        if (!isAsciiDigit(c)) break;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return number;
}

std::string profileString(ByteView profile, std::string_view section, std::string_view key, size_t limit) {
    std::string value = profileValue(profile, section, key).value_or(std::string());
    if (value.size() > limit) value.resize(limit);
    return value;
}

Bytes withProfileValue(ByteView profile, std::string_view section, std::string_view key, std::string_view value) {
    const std::vector<Line> lines = splitLines(profile);
    const std::string ending(lineEnding(profile, lines));
    std::string line(key);
    line += '=';
    for (const char c : value)
        if (c != '\r' && c != '\n') line += c;

    const Location where = locate(profile, lines, section, key);
    Bytes out;
    if (where.key) {
        const Line& old = lines[*where.key];
        out.append(profile.substr(0, old.begin));
        out += line;
        out.append(profile.substr(old.contentEnd));
        return out;
    }
    if (where.header) {
        const Line& after = lines[*where.lastFilled];
        out.append(profile.substr(0, after.end));
        if (after.end == after.contentEnd) out += ending;
        out += line + ending;
        out.append(profile.substr(after.end));
        return out;
    }
    out.append(profile);
    if (!out.empty() && out.back() != '\n') out += ending;
    out += '[';
    out += section;
    out += ']' + ending + line + ending;
    return out;
}

}  // namespace lumio
