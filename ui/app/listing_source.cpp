#include "ui/app/listing_source.h"

#include "core/listing/listing.h"

namespace lumio {

ListingRows listingRows(const ProgramStore& store, const LangContext& context) {
    std::vector<ListingLine> lines = renderListing(store, context);
    ListingRows rows;
    rows.texts.reserve(lines.size());
    rows.colours.reserve(lines.size());
    for (ListingLine& line : lines) {
        rows.texts.push_back(std::move(line.text));
        rows.colours.push_back(line.colour);
    }
    return rows;
}

}  // namespace lumio
