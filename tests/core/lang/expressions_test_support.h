#pragma once
// Shared helpers of the language-layer tests: UTF-8 test texts to GBK and back, hex byte strings.
#include <string>
#include <string_view>

#include "core/lang/context.h"
#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio::test {

inline std::string g(std::string_view utf8) { return toGbk(utf8); }
inline std::string u(std::string_view gbk) { return toUtf8(gbk); }

// "0D 03 02" to bytes.
inline Bytes hex(std::string_view text) {
    Bytes out;
    int high = -1;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else continue;
        if (high < 0) {
            high = digit;
        } else {
            out.push_back(static_cast<char>(high * 16 + digit));
            high = -1;
        }
    }
    return out;
}

inline const LangContext kCurrent{Edition::Current, nullptr};
inline const LangContext kClassic{Edition::Classic, nullptr};

}  // namespace lumio::test
