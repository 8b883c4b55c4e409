#include "core/text/gbk.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <optional>
#include <vector>

namespace lumio {
namespace {

// Length of the UTF-8 sequence at the start of `rest`: its lead byte and the continuation bytes that
// follow, as far as they are present (1 for a stray byte).
size_t utf8SequenceLength(std::string_view rest) {
    unsigned char lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // Skip the lead and its continuation bytes only as far as they are present.
    size_t n = 1;
    while (n < length && n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n;
}

#if defined(_WIN32)

constexpr unsigned kGbkCodePage = 936;

// Converts `in` from one code page to another through UTF-16; nothing when some character has no
// exact form in the target or `in` is not valid in the source.
std::optional<std::string> convertExactly(std::string_view in, unsigned fromCodePage, unsigned toCodePage) {
    if (in.empty()) return std::string();
    const int inLength = static_cast<int>(in.size());
    const int wideLength = MultiByteToWideChar(fromCodePage, MB_ERR_INVALID_CHARS, in.data(), inLength, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(fromCodePage, MB_ERR_INVALID_CHARS, in.data(), inLength, wide.data(), wideLength);
    // Best-fit mappings (a look-alike in place of a missing character) would hide a loss; UTF-8 takes
    // no flags and reports no default use.
    const bool toUtf8 = toCodePage == CP_UTF8;
    BOOL usedDefault = FALSE;
    const DWORD flags = toUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* defaultUse = toUtf8 ? nullptr : &usedDefault;
    const int outLength = WideCharToMultiByte(toCodePage, flags, wide.data(), wideLength, nullptr, 0, nullptr, defaultUse);
    if (outLength <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<size_t>(outLength), '\0');
    WideCharToMultiByte(toCodePage, flags, wide.data(), wideLength, out.data(), outLength, nullptr, defaultUse);
    if (usedDefault) return std::nullopt;
    return out;
}

// The whole text at once when it converts exactly; otherwise piece by piece, each piece that does not
// convert replaced, so the result is the one the iconv path gives: `pieceLength` says how many bytes
// the next piece may take at the most, and a piece that fails is retried shorter down to one byte.
template <class PieceLength>
std::string convert(std::string_view in, unsigned fromCodePage, unsigned toCodePage, std::string_view replacement,
                    PieceLength pieceLength) {
    if (auto whole = convertExactly(in, fromCodePage, toCodePage)) return *whole;
    std::string out;
    size_t offset = 0;
    while (offset < in.size()) {
        const std::string_view rest = in.substr(offset);
        size_t length = std::min(pieceLength(rest), rest.size());
        std::optional<std::string> piece;
        while (length > 0 && !(piece = convertExactly(rest.substr(0, length), fromCodePage, toCodePage))) --length;
        if (piece) {
            out += *piece;
            offset += length;
        } else {
            out += replacement;
            offset += fromCodePage == CP_UTF8 ? std::max<size_t>(utf8SequenceLength(rest), 1) : 1;
        }
    }
    return out;
}

#else

// One converter per direction, opened once; iconv descriptors are not thread-safe, so each use is locked.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; on a byte sequence that cannot be converted, skips `skipBytes(input)` input bytes
    // and writes `replacement` instead.
    template <class Skip>
    std::string run(std::string_view in, std::string_view replacement, Skip skipBytes,
                    std::string* firstReplaced = nullptr) {
        std::lock_guard lock(mutex_);
        std::string out;
        if (handle_ == reinterpret_cast<iconv_t>(-1)) return std::string(in);
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> buffer(in.size() * 4 + 16);
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer.data();
            size_t outLeft = buffer.size();
            size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer.data(), static_cast<size_t>(outPtr - buffer.data()));
            if (rc != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace and go on.
            size_t skip = skipBytes(std::string_view(inPtr, inLeft));
            if (skip == 0 || skip > inLeft) skip = 1;
            if (firstReplaced != nullptr && firstReplaced->empty()) firstReplaced->assign(inPtr, skip);
            inPtr += skip;
            inLeft -= skip;
            out.append(replacement);
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
    std::mutex mutex_;
};


Converter& utf8ToGbk() {
    static Converter converter("CP936", "UTF-8");
    return converter;
}

#endif

}  // namespace

std::string toGbk(std::string_view utf8) {
#if defined(_WIN32)
    return convert(utf8, CP_UTF8, kGbkCodePage, "?", utf8SequenceLength);
#else
    return utf8ToGbk().run(utf8, "?", utf8SequenceLength);
#endif
}

GbkConversion convertToGbk(std::string_view utf8) {
    GbkConversion conversion;
#if defined(_WIN32)
    conversion.text = convert(utf8, CP_UTF8, kGbkCodePage, "?", utf8SequenceLength);
    // Find the first piece that does not survive on its own: malformed UTF-8 or no GBK code.
    for (size_t position = 0; position < utf8.size();) {
        const std::string_view piece = utf8.substr(position, utf8SequenceLength(utf8.substr(position)));
        position += piece.size();
        if (static_cast<unsigned char>(piece[0]) < 0x80) continue;
        wchar_t wide[2];
        const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, piece.data(),
                                                   static_cast<int>(piece.size()), wide, 2);
        BOOL usedDefault = FALSE;
        char bytes[8];
        if (wideLength > 0)
            WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, wideLength, bytes, sizeof bytes, "?", &usedDefault);
        if (wideLength == 0 || usedDefault) {
            conversion.firstReplaced = std::string(piece);
            break;
        }
    }
#else
    conversion.text = utf8ToGbk().run(utf8, "?", utf8SequenceLength, &conversion.firstReplaced);
#endif
    return conversion;
}

namespace {

// The code point of `sequence` when it is exactly one well-formed UTF-8 character.
std::optional<char32_t> codePointOf(std::string_view sequence) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(sequence[i]); };
    if (sequence.empty()) return std::nullopt;
    const size_t length = byte(0) < 0x80 ? 1 : byte(0) >= 0xC2 && byte(0) < 0xE0 ? 2 : byte(0) >= 0xE0 && byte(0) < 0xF0 ? 3
                          : byte(0) >= 0xF0 && byte(0) < 0xF5 ? 4 : 0;
    if (length == 0 || sequence.size() != length) return std::nullopt;
    char32_t value = length == 1 ? byte(0) : byte(0) & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    return value;
}

}  // namespace

std::string describeUnconvertible(std::string_view utf8Piece) {
    char buffer[16];
    if (const auto codePoint = codePointOf(utf8Piece)) {
        std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(*codePoint));
        return "“" + std::string(utf8Piece) + "” (" + buffer + ")";
    }
    std::string text = "malformed UTF-8 bytes";
    for (char c : utf8Piece) {
        std::snprintf(buffer, sizeof buffer, " %02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
        text += buffer;
    }
    return text;
}

std::string toUtf8(std::string_view gbkBytes) {
#if defined(_WIN32)
    // A GBK character is one byte below 0x80 (and 0x80 itself), or a lead byte and a trail byte.
    return convert(gbkBytes, kGbkCodePage, CP_UTF8, "\xEF\xBF\xBD",
                   [](std::string_view rest) { return static_cast<unsigned char>(rest[0]) < 0x80 ? size_t{1} : size_t{2}; });
#else
    static Converter converter("UTF-8", "CP936");
    return converter.run(gbkBytes, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
#endif
}

}  // namespace lumio
