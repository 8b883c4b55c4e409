#pragma once
// The lines a list shows for a store: the listing text (GBK) and the colour of each statement.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/context.h"
#include "core/model/program_store.h"

namespace lumio {

struct ListingRows {
    std::vector<std::string> texts;     // GBK, one per statement
    std::vector<std::uint32_t> colours;  // 0x00BBGGRR, 0 for none
};

ListingRows listingRows(const ProgramStore& store, const LangContext& context);

}  // namespace lumio
