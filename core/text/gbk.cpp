#include "core/text/gbk.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

#include <mutex>
#include <vector>

namespace lumio {
namespace {

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
    std::string run(std::string_view in, std::string_view replacement, Skip skipBytes) {
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

size_t utf8SequenceLength(std::string_view rest) {
    unsigned char lead = static_cast<unsigned char>(rest[0]);
    size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    // Skip the lead and its continuation bytes only as far as they are present.
    size_t n = 1;
    while (n < length && n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
    return n;
}

#endif

}  // namespace

std::string toGbk(std::string_view utf8) {
#if defined(_WIN32)
    return convert(utf8, CP_UTF8, 936, true);
#else
    static Converter converter("CP936", "UTF-8");
    return converter.run(utf8, "?", utf8SequenceLength);
#endif
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
