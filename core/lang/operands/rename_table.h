#pragma once
// The user names of board resources and variables: up to 1000 pairs (default name, user name), GBK.
// An entry whose default name is empty is free. Every renderer shows names through displayName and
// every token parser reads them back through canonicalName.
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

struct RenameEntry {
    std::string defaultName;
    std::string userName;
    friend bool operator==(const RenameEntry&, const RenameEntry&) = default;
};

class RenameTable {
public:
    static constexpr size_t kCapacity = 1000;

    // The entries in use (the "count" is entries.size()); free entries have an empty default name.
    std::vector<RenameEntry> entries;

    void clear() { entries.clear(); }
    size_t count() const { return entries.size(); }
    // Entries in use with a non-empty default name.
    size_t namedCount() const;

    friend bool operator==(const RenameTable&, const RenameTable&) = default;
};

// The user name for a default name, or the text itself; exact, whole-string comparison.
std::string displayName(const RenameTable* names, std::string_view defaultName);
// The default name for a user name, or the text itself.
std::string canonicalName(const RenameTable* names, std::string_view userName);

}  // namespace lumio
