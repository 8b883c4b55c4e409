#include "ui/app/listing_source.h"

namespace lumio {

ListingRows listingRows(const ProgramStore& store, const LangContext& context) {
    (void)context;
    ListingRows rows;
    rows.texts.resize(store.count());
    rows.colours.reserve(store.count());
    for (const Statement& statement : store.statements) rows.colours.push_back(statement.colour());
    return rows;
}

}  // namespace lumio
