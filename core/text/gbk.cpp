#include "core/text/gbk.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

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

std::string convert(std::string_view in, unsigned fromCodePage, unsigned toCodePage, bool toGbkTarget) {
    if (in.empty()) return {};
    int wideLength = MultiByteToWideChar(fromCodePage, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(fromCodePage, 0, in.data(), static_cast<int>(in.size()), wide.data(), wideLength);
    BOOL usedDefault = FALSE;
    int outLength = WideCharToMultiByte(toCodePage, 0, wide.data(), wideLength, nullptr, 0, toGbkTarget ? "?" : nullptr,
                                        toGbkTarget ? &usedDefault : nullptr);
    std::string out(static_cast<size_t>(outLength), '\0');
    WideCharToMultiByte(toCodePage, 0, wide.data(), wideLength, out.data(), outLength, toGbkTarget ? "?" : nullptr,
                        toGbkTarget ? &usedDefault : nullptr);
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
    return convert(utf8, CP_UTF8, 936, true);
#else
    return utf8ToGbk().run(utf8, "?", utf8SequenceLength);
#endif
}

GbkConversion convertToGbk(std::string_view utf8) {
    GbkConversion conversion;
#if defined(_WIN32)
    conversion.text = convert(utf8, CP_UTF8, 936, true);
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
    return convert(gbkBytes, 936, CP_UTF8, false);
#else
    static Converter converter("UTF-8", "CP936");
    return converter.run(gbkBytes, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
#endif
}

}  // namespace lumio
