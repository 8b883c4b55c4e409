#include "core/textform/program_text_sections.h"

#include "core/model/program.h"
#include "core/text/bytes.h"

namespace lumio {

std::string storeSectionName(int id) {
    if (id == 0) return "main";
    if (id >= 1 && id <= kFunctionCount) return "function " + std::to_string(id);
    if (id > kThreadIdBase && id <= kThreadIdBase + kThreadCount) return "thread " + std::to_string(id - kThreadIdBase);
    return {};
}

std::optional<int> sectionNumber(std::string_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!isAsciiDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 65535) return std::nullopt;
    return value;
}

std::optional<int> storeSectionId(std::string_view name) {
    if (name == "main") return 0;
    for (const auto& [word, base] : {std::pair<std::string_view, int>{"function ", 0}, {"thread ", kThreadIdBase}}) {
        if (!startsWith(name, word)) continue;
        const auto number = sectionNumber(name.substr(word.size()));
        const int count = base == 0 ? kFunctionCount : kThreadCount;
        if (!number || *number < 1 || *number > count) return std::nullopt;
        return base + *number;
    }
    return std::nullopt;
}

}  // namespace lumio
