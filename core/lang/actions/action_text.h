#pragma once
// The listing text of an action statement and the codec of its parameter 3. All text is GBK.
#include <string>
#include <string_view>

#include "core/lang/context.h"
#include "core/model/statement.h"

namespace lumio {

// The one line the listing shows for an action (without line prefix, indentation or comment). Never
// fails: a kind outside 1..20 gives P1 + " " + P2 + " " + T, a combination without a template the
// kind's prefix alone (empty for most kinds).
std::string actionText(const Statement& statement, const LangContext& context);

// Parameter 3 as edit text, read with the form the kind and parameters choose; empty when nothing is
// stored and for kinds outside 1..20.
std::string decodeActionParam(const Statement& statement, const LangContext& context);

// Parses `text` with the form the statement's kind and parameters choose and stores the bytes and N
// (data[0..2] untouched, the rest of the parameter area cleared). Returns false, leaving the statement
// unchanged, when the encoded parameter would not fit the 243 bytes a record keeps. The text is taken
// as it is; the editor's trimming and quote rule is editorParam3Text (param3_codec.h).
bool encodeActionParam(Statement& statement, std::string_view text, const LangContext& context);

}  // namespace lumio
