#pragma once
// The listing text of a condition: its object, mode and parameter composed by the catalogue row of
// its kind, object and mode (without the listing's prefixes and connectors).
#include <string>

#include "core/lang/context.h"
#include "core/model/statement.h"

namespace lumio {

std::string conditionText(const Statement& statement, const LangContext& context);

}  // namespace lumio
