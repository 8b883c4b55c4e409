#include "core/listing/find.h"

#include "core/listing/listing.h"

namespace lumio {

int findText(const ProgramStore& store, int start, std::string_view text, const LangContext& context) {
    for (size_t i = start < 0 ? 0 : static_cast<size_t>(start); i < store.count(); ++i)
        if (statementText(store[i], context).find(text) != std::string::npos) return static_cast<int>(i);
    return -1;
}

}  // namespace lumio
