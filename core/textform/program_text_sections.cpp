#include "core/textform/program_text_sections.h"

#include "core/model/store_ref.h"
#include "core/text/bytes.h"

namespace lumio {

std::string storeSectionName(int id, Edition edition) {
    const auto store = StoreRef::fromId(id, edition);
    if (!store) return {};
    switch (store->kind()) {
    case StoreKind::Main: return "main";
    case StoreKind::Function: return "function " + std::to_string(store->number());
    case StoreKind::Thread: return "thread " + std::to_string(store->number());
    }
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

std::optional<int> storeSectionId(std::string_view name, Edition edition) {
    if (name == "main") return kMainStoreId;
    for (const auto& [word, kind] : {std::pair<std::string_view, StoreKind>{"function ", StoreKind::Function},
                                     {"thread ", StoreKind::Thread}}) {
        if (!startsWith(name, word)) continue;
        const auto number = sectionNumber(name.substr(word.size()));
        const auto store = number ? StoreRef::of(kind, *number) : std::nullopt;
        if (!store || !store->existsIn(edition)) return std::nullopt;
        return store->id();
    }
    return std::nullopt;
}

}  // namespace lumio
