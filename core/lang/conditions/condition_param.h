#pragma once
// The third parameter (param3) of a condition: from the text typed in the statement editor's 参数3
// box to the stored bytes, and back to the text the box shows when the condition is opened again.
#include <array>
#include <string>
#include <string_view>

#include "core/lang/conditions/condition_catalogue.h"
#include "core/lang/context.h"
#include "core/model/statement.h"

namespace lumio {

// Encodes `text` by the form of the condition's kind, object and mode and stores it as param3 (N and
// the bytes). A mode without a parameter stores N = 0 whatever was typed. Returns false and leaves the
// statement unchanged when the encoded parameter would not fit the 243 bytes a record keeps.
bool encodeConditionParam(Statement& statement, std::string_view text, const LangContext& context);

// The 参数3 text of a condition; the empty text for a mode without a parameter. Calls print with the
// name " ", so «整数0 = 函数5(1)» comes back as «整数0 =  ( 1 )».
std::string decodeConditionParam(const Statement& statement, const LangContext& context);

// The pieces of a stored parameter that a listing layout refers to: P, the parameter as text (a call
// printed with `callName`), and A0..A2, the first three arguments of an ArgumentList.
struct ConditionParameterTexts {
    std::string parameter;
    std::array<std::string, 3> arguments;
};
ConditionParameterTexts conditionParameterTexts(ConditionForm form, ByteView param3, std::string_view callName,
                                                const LangContext& context);

}  // namespace lumio
