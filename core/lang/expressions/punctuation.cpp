#include "core/lang/expressions/punctuation.h"

#include <utility>
#include <vector>

#include "core/lang/operands/text_walk.h"
#include "core/text/gbk.h"

namespace lumio {

std::string normalizePunctuation(std::string_view text) {
    static const std::vector<std::pair<std::string, char>> marks = [] {
        const std::pair<const char*, char> utf8[] = {{"，", ','}, {"【", '['}, {"】", ']'}, {"（", '('},
                                                     {"）", ')'}, {"×", '*'}, {"》", '>'}, {"《", '<'},
                                                     {"『", '{'}, {"』", '}'}, {"；", ';'}};
        std::vector<std::pair<std::string, char>> out;
        for (const auto& [mark, ascii] : utf8) out.emplace_back(toGbk(mark), ascii);
        return out;
    }();
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = characterLength(text, i);
        const std::string_view character = text.substr(i, length);
        char replacement = '\0';
        // Every listed mark has the lead byte A1 or A3.
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 2 && (lead == 0xA1 || lead == 0xA3))
            for (const auto& [mark, ascii] : marks)
                if (character == mark) replacement = ascii;
        if (replacement != '\0') out += replacement;
        else out.append(character);
        i += length;
    }
    return out;
}

}  // namespace lumio
