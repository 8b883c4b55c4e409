#include "core/lang/operands/text_walk.h"

namespace lumio {

size_t findOnBoundary(std::string_view text, std::string_view what, size_t from) {
    if (what.empty()) return std::string_view::npos;
    for (size_t position = from; position < text.size(); position += characterLength(text, position))
        if (text.substr(position, what.size()) == what) return position;
    return std::string_view::npos;
}

std::string_view cutAtCharacter(std::string_view text, size_t limit) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t length = characterLength(text, end);
        if (end + length > limit) break;
        end += length;
    }
    return text.substr(0, end);
}

}  // namespace lumio
