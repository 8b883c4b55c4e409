#pragma once
// Text search over a store's statements: a case-sensitive byte substring search on GBK text; the
// empty text matches every statement. (The find button's search over listing lines, with its wrap to
// the top, is findNextLine in core/editing/store_edit.h.)
#include <string_view>

#include "core/lang/context.h"
#include "core/model/program_store.h"

namespace lumio {

// The first statement at or after `start` whose statement text (condition or action text with its
// comment suffix) contains `text`; -1 when none.
int findText(const ProgramStore& store, int start, std::string_view text, const LangContext& context);

}  // namespace lumio
