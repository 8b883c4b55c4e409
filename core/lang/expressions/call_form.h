#pragma once
// Calls of user and system functions. The function name is not stored: the caller supplies it from the
// statement's kind and parameters («函数5», a system-function name).
// CallForm: [L][result Expression][2][code][ArgumentList].
// IndexedCallForm: [L][result Expression][2][code][object Expression][ArgumentList].
#include <string>
#include <string_view>

#include "core/lang/expressions/argument_list.h"
#include "core/lang/expressions/relation.h"

namespace lumio {

struct CallForm {
    Expression result;  // empty when the call's value is not assigned or compared
    RelationCode code = RelationCode::None;
    ArgumentList arguments;
    friend bool operator==(const CallForm&, const CallForm&) = default;
};

struct IndexedCallForm {
    Expression result;
    RelationCode code = RelationCode::None;
    Expression object;
    ArgumentList arguments;
    friend bool operator==(const IndexedCallForm&, const IndexedCallForm&) = default;
};

// «整数1=函数5(整数2, 3)»: result 整数1, code "=", arguments 整数2 and 3; the written name is dropped.
CallForm parseCallForm(std::string_view text, const LangContext& ctx);
// «整数1 = 函数5(整数2, 3)», «函数5( 整数2 )», «函数5( )».
std::string printCallForm(const CallForm& form, std::string_view name, const LangContext& ctx);
Bytes encodeCallForm(const CallForm& form);
CallForm decodeCallForm(ByteView bytes);

// As CallForm, but the text before "(" is the object Expression.
IndexedCallForm parseIndexedCallForm(std::string_view text, const LangContext& ctx);
// name + "[" + object + "]" + arguments, or the object alone when the name is empty.
std::string printIndexedCallForm(const IndexedCallForm& form, std::string_view name, const LangContext& ctx);
Bytes encodeIndexedCallForm(const IndexedCallForm& form);
IndexedCallForm decodeIndexedCallForm(ByteView bytes);

// The argument text of a call: "( a )" for one argument, "(a, b)" for more, "( )" for none.
std::string printCallArguments(const ArgumentList& arguments, const LangContext& ctx);

}  // namespace lumio
