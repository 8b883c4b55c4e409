#pragma once
// What every parser and renderer of statement text needs to know: which edition's tables apply and
// which user names to show and accept (none when `names` is null).
#include "core/edition.h"
#include "core/lang/operands/rename_table.h"

namespace lumio {

struct LangContext {
    Edition edition = Edition::Current;
    const RenameTable* names = nullptr;
};

}  // namespace lumio
