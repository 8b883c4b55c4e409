#include "core/lang/operands/rename_table.h"

namespace lumio {

size_t RenameTable::namedCount() const {
    size_t named = 0;
    for (const RenameEntry& entry : entries)
        if (!entry.defaultName.empty()) ++named;
    return named;
}

std::string displayName(const RenameTable* names, std::string_view defaultName) {
    if (names != nullptr && !defaultName.empty())
        for (const RenameEntry& entry : names->entries)
            if (!entry.defaultName.empty() && entry.defaultName == defaultName) return entry.userName;
    return std::string(defaultName);
}

std::string canonicalName(const RenameTable* names, std::string_view userName) {
    if (names != nullptr && !userName.empty())
        for (const RenameEntry& entry : names->entries)
            if (!entry.defaultName.empty() && entry.userName == userName) return entry.defaultName;
    return std::string(userName);
}

}  // namespace lumio
