#pragma once
// The find of the function and thread lists: it runs through stores 1..N (functions or threads) in
// turn, looking at each statement's text (condition or action text with its comment, no rule numbers
// or prefix words), and continues after the last match on the next press. When the last store has
// been searched without a match, the search starts again at the top of store 1 on the next press;
// that press-without-result is how the user learns the search went round.
#include <span>
#include <string_view>

#include "core/lang/context.h"
#include "core/model/program_store.h"

namespace lumio {

// Where the next search continues: the store number (1-based) and the line of the last match, -1
// before the first match in that store.
struct StoreSearchPosition {
    int store = 1;
    int line = -1;
    friend bool operator==(const StoreSearchPosition&, const StoreSearchPosition&) = default;
};

struct StoreSearchResult {
    bool found = false;
    // After a match, the match itself; otherwise the start of store 1.
    StoreSearchPosition position;
};

// Searches `stores` (store k is stores[k - 1]) for the first statement after `from` whose text
// contains `text`, store by store up to the last. A position outside the stores starts at store 1.
StoreSearchResult findAcrossStores(std::span<const ProgramStore> stores, StoreSearchPosition from,
                                   std::string_view text, const LangContext& context);

}  // namespace lumio
