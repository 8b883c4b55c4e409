#pragma once
// ArgumentList: Expressions written separated by ",", stored as [L][Expression]...
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/expressions/expression.h"

namespace lumio {

using ArgumentList = std::vector<Expression>;

// Cut at commas outside parentheses and text constants; empty arguments are dropped.
ArgumentList parseArgumentList(std::string_view text, const LangContext& ctx);
// The arguments joined by ", ".
std::string printArgumentList(const ArgumentList& arguments, const LangContext& ctx);
Bytes encodeArgumentList(const ArgumentList& arguments);
ArgumentList decodeArgumentList(ByteView bytes);

}  // namespace lumio
