#include "core/lang/operands/token.h"

#include <bit>
#include <cstdlib>
#include <initializer_list>

#include "core/lang/expressions/punctuation.h"
#include "core/lang/operands/system_words.h"
#include "core/lang/operands/text_walk.h"
#include "core/text/gbk.h"
#include "core/text/numbers.h"

namespace lumio {
namespace {

struct PrefixKind {
    const char* prefix;  // UTF-8
    TokenKind kind;
};

// Accepted prefixes of the numbered kinds, grouped as classification tries them.
const std::vector<std::pair<std::string, TokenKind>>& prefixGroup(int group) {
    auto build = [](std::initializer_list<PrefixKind> list) {
        std::vector<std::pair<std::string, TokenKind>> out;
        for (const PrefixKind& entry : list) out.emplace_back(toGbk(entry.prefix), entry.kind);
        return out;
    };
    using K = TokenKind;
    static const std::vector<std::pair<std::string, TokenKind>> groups[] = {
        build({{"整数", K::LocalInteger},
               {"变量", K::LocalInteger},
               {"局部整数", K::LocalInteger},
               {"局部变量", K::LocalInteger},
               {"全局整数", K::GlobalInteger},
               {"全局变量", K::GlobalInteger},
               {"内部变量", K::GlobalInteger},
               {"函数参数", K::FunctionParameter},
               {"定时器", K::Timer},
               {"全局浮点数", K::GlobalFloat},
               {"全局小数", K::GlobalFloat}}),
        build({{"PA", K::PinA},
               {"PB", K::PinB},
               {"PC", K::PinC},
               {"PD", K::PinD},
               {"PE", K::PinE},
               {"PF", K::PinF},
               {"PG", K::PinG},
               {"PH", K::PinH},
               {"脉冲计数", K::PulseCounter}}),
        build({{"浮点数", K::LocalFloat},
               {"局部浮点数", K::LocalFloat},
               {"小数", K::LocalFloat},
               {"UDP", K::Udp},
               {"TCP", K::Tcp}}),
        build({{"数组", K::LocalArray},
               {"局部数组", K::LocalArray},
               {"全局数组", K::GlobalArray},
               {"数据口", K::DataPort},
               {"输入", K::Input},
               {"输出", K::Output},
               {"位变量", K::BitVariable},
               {"CAN", K::Can},
               {"红外", K::Infrared},
               {"遥控发射", K::RemoteTransmitter},
               {"模拟量输入", K::AnalogInput},
               {"IIC", K::Iic},
               {"SPI", K::Spi},
               {"联机开关量", K::OnlineSwitch},
               {"编码器", K::Encoder},
               {"模拟量输出", K::AnalogOutput},
               {"输入计数器", K::InputCounter},
               {"函数", K::Function},
               {"输入闭合计数", K::InputCloseCount},
               {"输入断开计数", K::InputOpenCount},
               {"输出闭合计数", K::OutputCloseCount},
               {"输出断开计数", K::OutputOpenCount}}),
    };
    return groups[group];
}

// Display texts of the numbered kinds ("%d" follows).
const std::string& numberedDisplayPrefix(int kind) {
    static const std::string empty;
    static const std::vector<std::pair<int, std::string>> table = [] {
        const std::pair<int, const char*> utf8[] = {
            {2, "整数"},           {3, "全局整数"},     {4, "函数参数"},     {6, "定时器"},
            {7, "全局浮点数"},     {11, "PA"},          {12, "PB"},          {13, "PC"},
            {14, "PD"},            {15, "PE"},          {16, "PF"},          {17, "PG"},
            {18, "PH"},            {21, "脉冲计数"},    {25, "浮点数"},      {27, "UDP"},
            {28, "TCP"},           {33, "数组"},        {35, "全局数组"},    {36, "数据口"},
            {37, "输入"},          {38, "输出"},        {39, "位变量"},      {40, "CAN"},
            {41, "红外"},          {42, "遥控发射"},    {43, "模拟量输入"},  {44, "IIC"},
            {45, "SPI"},           {47, "联机开关量"},  {48, "编码器"},      {49, "模拟量输出"},
            {51, "输入计数器"},    {59, "函数"},        {60, "输入闭合计数"}, {61, "输入断开计数"},
            {62, "输出闭合计数"},  {63, "输出断开计数"},
        };
        std::vector<std::pair<int, std::string>> out;
        for (const auto& [code, text] : utf8) out.emplace_back(code, toGbk(text));
        return out;
    }();
    for (const auto& [code, text] : table)
        if (code == kind) return text;
    return empty;
}

// Printed forms of an indexed base ("%d[" follows); kind 10 prints its system word instead.
const std::string& indexedBasePrefix(int baseKind) {
    static const std::string empty;
    static const std::vector<std::pair<int, std::string>> table = [] {
        const std::pair<int, const char*> utf8[] = {
            {2, "整数"},  {3, "全局整数"}, {21, "过滤器"},   {24, "局部变量"}, {26, "内部变量"},
            {27, "UDP"},  {28, "TCP"},     {33, "数组"},     {35, "全局数组"}, {36, "数据口"},
            {40, "CAN"},  {47, "联机开关量"},
            // Encoders merge with a following "[" like the other indexable kinds; printing them by
            // name keeps such an expression readable and able to be typed back in.
            {48, "编码器"},
        };
        std::vector<std::pair<int, std::string>> out;
        for (const auto& [code, text] : utf8) out.emplace_back(code, toGbk(text));
        return out;
    }();
    for (const auto& [code, text] : table)
        if (code == baseKind) return text;
    return empty;
}

bool onlyBytesOf(std::string_view text, std::string_view allowed) {
    for (char c : text)
        if (!isAsciiDigit(c) && allowed.find(c) == std::string_view::npos) return false;
    return true;
}

// Upper-cases ASCII letters, stepping over double-byte characters.
std::string upperText(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size();) {
        const size_t length = characterLength(out, i);
        if (length == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
        i += length;
    }
    return out;
}

std::string unescapeText(std::string_view inside) {
    std::string out;
    for (size_t i = 0; i < inside.size();) {
        const size_t length = characterLength(inside, i);
        if (length == 2 || inside[i] != '\\') {
            out.append(inside.substr(i, length));
            i += length;
            continue;
        }
        if (i + 1 >= inside.size()) break;  // a final lone backslash is dropped
        switch (inside[i + 1]) {
            case 'n': out += '\n'; i += 2; break;
            case 't': out += '\t'; i += 2; break;
            case 'r': out += '\r'; i += 2; break;
            case '"': out += '"'; i += 2; break;
            case '\\': out += '\\'; i += 2; break;
            default: out += '\\'; i += 1; break;  // kept with the character that follows
        }
    }
    return out;
}

std::string escapeText(std::string_view bytes) {
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = characterLength(bytes, i);
        if (length == 2) {
            out.append(bytes.substr(i, 2));
        } else {
            switch (bytes[i]) {
                case '\n': out += "\\n"; break;
                case '\t': out += "\\t"; break;
                case '\r': out += "\\r"; break;
                case '"': out += "\\\""; break;
                case '\\': out += "\\\\"; break;
                default: out += bytes[i]; break;
            }
        }
        i += length;
    }
    return out + "\"";
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Unsigned base-16 conversion after "0x", stopping at the first non-hex character; values beyond
// 32 bits saturate as a 32-bit strtoul does.
std::uint32_t hexValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    }
    return static_cast<std::uint32_t>(value);
}

// One hex-bytes group: its hex digits up to the first other character (no sign, no "0x": «0x10» and
// «-1» read as 0), reduced to the low 8 bits of their value, that is its last two digits read.
std::uint8_t groupLowByte(std::string_view group) {
    std::uint8_t value = 0;
    for (char c : group) {
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = static_cast<std::uint8_t>(value * 16 + digit);
    }
    return value;
}

Token numbered(TokenKind kind, std::string_view text) {
    Token token;
    token.kind = kind;
    token.index = static_cast<std::uint8_t>(nthInteger(text, 1) & 0xFF);
    return token;
}

bool classifyByPrefix(std::string_view text, int group, Edition edition, Token& token) {
    for (const auto& [prefix, kind] : prefixGroup(group)) {
        if (!kindExists(static_cast<int>(kind), edition)) continue;
        if (matchesNumberedPrefix(text, prefix)) {
            token = numbered(kind, text);
            return true;
        }
    }
    return false;
}

bool classifySlice(std::string_view text, Token& token) {
    const size_t first = text.find('_');
    if (first == std::string_view::npos) return false;
    const size_t second = text.find('_', first + 1);
    if (second == std::string_view::npos || text.find('_', second + 1) != std::string_view::npos) return false;
    const std::string_view base = text.substr(0, first);
    const std::string_view middle = text.substr(first + 1, second - first - 1);
    if (middle.empty() || !onlyBytesOf(middle, "")) return false;
    static const std::string local = toGbk("数组");
    static const std::string global = toGbk("全局数组");
    if (matchesNumberedPrefix(base, local)) token.scope = 0;
    else if (matchesNumberedPrefix(base, global)) token.scope = 1;
    else return false;
    token.kind = TokenKind::ArraySlice;
    token.sliceA = static_cast<std::uint16_t>(nthInteger(text, 1));
    token.sliceB = static_cast<std::uint16_t>(nthInteger(text, 2));
    token.sliceC = static_cast<std::uint16_t>(nthInteger(text, 3));
    return true;
}

std::string defaultText(const Token& token, Edition edition) {
    const int kind = kindCode(token);
    if (!kindExists(kind, edition)) return {};
    switch (token.kind) {
        case TokenKind::Integer:
            return formatText("%d", token.value);
        case TokenKind::HexInteger: {
            std::string digits = formatText("%x", static_cast<unsigned>(token.value));
            if (digits.size() == 1) digits.insert(0, "0");
            return "0X" + asciiUpper(digits);
        }
        case TokenKind::Character: {
            const char character = static_cast<char>(token.value & 0xFF);
            return character == '\0' ? std::string("''") : std::string("'") + character + "'";
        }
        case TokenKind::SystemWord:
            return systemWord(token.index, edition);
        case TokenKind::FloatConstant:
            return formatText("%lf", floatValue(token));
        case TokenKind::ByteString:
            return "{" + hexPairs(token.payload) + "}";
        case TokenKind::Text:
            return escapeText(token.payload);
        case TokenKind::ArraySlice: {
            static const std::string local = toGbk("数组");
            static const std::string global = toGbk("全局数组");
            return (token.scope == 0 ? local : global) +
                   formatText("%d_%d_%d", token.sliceA, token.sliceB, token.sliceC);
        }
        case TokenKind::Operator:
            switch (token.index) {
                case '(': case ')': case ']':
                    return std::string(1, static_cast<char>(token.index));
                case '[': {
                    const int baseKind = (token.value >> 8) & 0xFF;
                    const int baseIndex = token.value & 0xFF;
                    if (baseKind == static_cast<int>(TokenKind::SystemWord))
                        return systemWord(baseIndex, edition) + "[";
                    const std::string& prefix = indexedBasePrefix(baseKind);
                    static const std::string badFormat = toGbk("格式出错");
                    return prefix.empty() ? badFormat : prefix + formatText("%d[", baseIndex);
                }
                case kShiftLeft:
                    return " << ";
                case kShiftRight:
                    return " >> ";
                case 0:
                    return {};
                default:
                    return std::string(" ") + static_cast<char>(token.index) + " ";
            }
        default: {
            const std::string& prefix = numberedDisplayPrefix(kind);
            return prefix.empty() ? std::string() : prefix + formatText("%d", token.index);
        }
    }
}

}  // namespace

bool isOperatorByte(unsigned char c) {
    switch (c) {
        case '%': case '&': case '(': case ')': case '*': case '+': case ',': case '-': case '/':
        case '[': case ']': case '^': case '|': case kShiftLeft: case kShiftRight:
            return true;
        default:
            return false;
    }
}

bool isOperand(const Token& token) { return kindCode(token) >= 1 && kindCode(token) <= 99; }

bool isOperatorToken(const Token& token, char character) {
    return token.kind == TokenKind::Operator && token.index == static_cast<std::uint8_t>(character);
}

bool isBracket(const Token& token) {
    return isOperatorToken(token, '(') || isOperatorToken(token, ')') || isOperatorToken(token, '[') ||
           isOperatorToken(token, ']');
}

bool isInfixOperator(const Token& token) { return token.kind == TokenKind::Operator && !isBracket(token); }

bool isIndexableKind(int kind) {
    switch (kind) {
        case 2: case 3: case 10: case 27: case 28: case 33: case 35: case 36: case 47: case 48:
            return true;
        default:
            return false;
    }
}

bool kindExists(int kind, Edition edition) {
    if (edition == Edition::Classic && (kind == 51 || (kind >= 60 && kind <= 64))) return false;
    return true;
}

Token floatToken(double number) {
    Token token;
    token.kind = TokenKind::FloatConstant;
    const auto bits = std::bit_cast<std::uint64_t>(number);
    for (int i = 0; i < 8; ++i) token.payload.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    return token;
}

double floatValue(const Token& token) {
    if (token.payload.size() != 8) return 0.0;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | byteAt(token.payload, static_cast<size_t>(i));
    return std::bit_cast<double>(bits);
}

Bytes parseHexGroups(std::string_view text) {
    const std::string padded = " " + std::string(text) + " ";
    if (padded.size() < 2 || padded.size() >= 500) return {};
    Bytes out;
    size_t position = 0;
    while (position < padded.size() && out.size() < kMaxConstantBytes) {
        while (position < padded.size() && padded[position] == ' ') ++position;
        if (position >= padded.size()) break;
        size_t end = padded.find(' ', position);
        if (end == std::string::npos) end = padded.size();
        const std::string_view group = std::string_view(padded).substr(position, end - position);
        if (group.size() > 9) return {};
        out.push_back(static_cast<char>(groupLowByte(group)));
        position = end;
    }
    return out;
}

Token classifyToken(std::string_view input, const LangContext& ctx) {
    std::string text = trimSpaces(normalizePunctuation(input));
    if (text.empty()) return {};
    text = canonicalName(ctx.names, text);
    if (text.empty()) return {};
    Token token;

    if (text.size() == 1 && isOperatorByte(static_cast<unsigned char>(text[0]))) {
        token.kind = TokenKind::Operator;
        token.index = static_cast<std::uint8_t>(text[0]);
        return token;
    }
    if (onlyBytesOf(text, "-")) {
        token.kind = TokenKind::Integer;
        token.value = nthInteger(text, 1);
        return token;
    }
    if (classifyByPrefix(text, 0, ctx.edition, token)) return token;
    if (startsWith(text, "0X") || startsWith(text, "0x")) {
        token.kind = TokenKind::HexInteger;
        token.value = static_cast<std::int32_t>(hexValue(std::string_view(text).substr(2)));
        return token;
    }
    if (text.front() == '\'' && text.back() == '\'') {
        token.kind = TokenKind::Character;
        token.value = text.size() > 1 ? static_cast<std::int8_t>(text[1]) : 0;
        return token;
    }
    if (const int code = systemCode(upperText(text), ctx.edition); code != 0) {
        token.kind = TokenKind::SystemWord;
        token.index = static_cast<std::uint8_t>(code);
        return token;
    }
    if (classifyByPrefix(text, 1, ctx.edition, token)) return token;
    if (onlyBytesOf(text, ".-")) return floatToken(nthFloat(text, 1));
    if (classifyByPrefix(text, 2, ctx.edition, token)) return token;
    if (text.size() >= 2 && text.front() == '{' && text.back() == '}') {
        token.kind = TokenKind::ByteString;
        token.payload = parseHexGroups(std::string_view(text).substr(1, text.size() - 2));
        return token;
    }
    if (text.front() == '"' && text.back() == '"') {
        token.kind = TokenKind::Text;
        const std::string_view inside =
            text.size() >= 2 ? std::string_view(text).substr(1, text.size() - 2) : std::string_view();
        token.payload = std::string(cutAtCharacter(unescapeText(inside), kMaxConstantBytes));
        return token;
    }
    if (classifyByPrefix(text, 3, ctx.edition, token)) return token;
    if (kindExists(static_cast<int>(TokenKind::ArraySlice), ctx.edition) && classifySlice(text, token)) return token;
    return {};
}

std::string tokenText(const Token& token, const LangContext& ctx) {
    std::string text = defaultText(token, ctx.edition);
    if (endsWith(text, "[")) {
        text.pop_back();
        return displayName(ctx.names, text) + "[";
    }
    return displayName(ctx.names, text);
}

Bytes encodeToken(const Token& token) {
    const int kind = kindCode(token);
    Bytes out;
    auto header = [&](size_t length) {
        out.push_back(static_cast<char>(length));
        out.push_back(static_cast<char>(kind));
    };
    switch (token.kind) {
        case TokenKind::Integer:
        case TokenKind::HexInteger:
        case TokenKind::Character:
            header(6);
            appendU32BigEndian(out, static_cast<std::uint32_t>(token.value));
            return out;
        case TokenKind::FloatConstant: {
            header(10);
            Bytes payload = token.payload.substr(0, 8);
            payload.resize(8, '\0');
            return out + payload;
        }
        case TokenKind::ByteString:
        case TokenKind::Text: {
            const size_t size = std::min(token.payload.size(), kMaxConstantBytes);
            header(size + 2);
            out.append(token.payload, 0, size);
            return out;
        }
        case TokenKind::ArraySlice:
            header(8);
            out.push_back(static_cast<char>(token.scope));
            appendU16BigEndian(out, token.sliceA);
            appendU16BigEndian(out, token.sliceB);
            out.push_back(static_cast<char>(token.sliceC & 7));
            return out;
        case TokenKind::Operator:
            if (isBracket(token)) {
                header(5);
                out.push_back(static_cast<char>(token.index));
                appendU16BigEndian(out, static_cast<std::uint16_t>(token.value & 0xFFFF));
            } else {
                header(3);
                out.push_back(static_cast<char>(token.index));
            }
            return out;
        default:
            break;
    }
    switch (kind) {
        case 0: case 19: case 20: case 24: case 26: case 29: case 30: case 34: case 50:
            return Bytes(1, '\x01');
        default:
            if (kind < 64) {
                header(3);
                out.push_back(static_cast<char>(token.index));
                return out;
            }
            return Bytes(1, '\x01');
    }
}

Token decodeToken(ByteView bytes) {
    if (bytes.size() < 2) return {};
    const size_t length = byteAt(bytes, 0);
    if (length < 2 || length > bytes.size()) return {};
    const int kind = byteAt(bytes, 1);
    Token token;
    token.kind = static_cast<TokenKind>(kind);
    switch (kind) {
        case 1: case 8: case 9:
            if (length == 3) token.value = byteAt(bytes, 2);
            else if (length == 4) token.value = readU16BigEndian(bytes, 2);
            else if (length == 6) token.value = static_cast<std::int32_t>(readU32BigEndian(bytes, 2));
            return token;
        case 22:
            if (length != 10) return {};
            token.payload = Bytes(bytes.substr(2, 8));
            return token;
        case 31: case 32:
            // L = 2 is an empty constant («""», «{}»), as the encoder writes it.
            token.payload = Bytes(bytes.substr(2, length - 2));
            return token;
        case 64:
            if (length != 8) return {};
            token.scope = byteAt(bytes, 2);
            token.sliceA = readU16BigEndian(bytes, 3);
            token.sliceB = readU16BigEndian(bytes, 5);
            token.sliceC = byteAt(bytes, 7) & 7;
            return token;
        case 100:
            if (length < 3) return {};
            token.index = byteAt(bytes, 2);
            if (isBracket(token) && length >= 5) token.value = readU16BigEndian(bytes, 3);
            return token;
        case 0: case 19: case 20: case 24: case 26: case 29: case 30: case 34: case 50:
            return {};
        default:
            if (kind < 64 && length == 3) {
                token.index = byteAt(bytes, 2);
                return token;
            }
            return {};
    }
}

}  // namespace lumio
