#include "core/editing/store_search.h"

#include "core/listing/find.h"

namespace lumio {

StoreSearchResult findAcrossStores(std::span<const ProgramStore> stores, StoreSearchPosition from,
                                   std::string_view text, const LangContext& context) {
    const int last = static_cast<int>(stores.size());
    StoreSearchPosition position = from;
    if (position.store < 1 || position.store > last) position = {};
    for (; position.store <= last; position = {position.store + 1, -1}) {
        const ProgramStore& store = stores[static_cast<size_t>(position.store - 1)];
        const int line = findText(store, position.line < 0 ? 0 : position.line + 1, text, context);
        if (line >= 0) return {true, {position.store, line}};
    }
    return {false, {}};
}

}  // namespace lumio
