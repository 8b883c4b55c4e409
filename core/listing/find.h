#pragma once
// Text search over a store's statements and over listing lines. Matching is a case-sensitive byte
// substring search on GBK text; the empty text matches every line.
#include <string_view>
#include <vector>

#include "core/lang/context.h"
#include "core/listing/listing.h"
#include "core/model/program_store.h"

namespace lumio {

// The first statement at or after `start` whose statement text (condition or action text with its
// comment suffix) contains `text`; -1 when none.
int findText(const ProgramStore& store, int start, std::string_view text, const LangContext& context);

// The search of the listing's find button: the first line after `position` whose listing text
// contains `text` (line numbers and the words "如果" etc. included), else the first such line from the
// top; -1 when no line contains it. A position of -1 starts from the top.
int findNextLine(const std::vector<ListingLine>& lines, int position, std::string_view text);

}  // namespace lumio
