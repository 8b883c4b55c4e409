#pragma once
// Parameter 3 of an action between its edit text and its stored bytes, in each stored form, and the
// views the listing templates take of it (argument items, call texts). GBK text throughout.
#include <string>
#include <string_view>
#include <vector>

#include "core/lang/actions/param3_forms.h"
#include "core/lang/context.h"
#include "core/text/bytes.h"

namespace lumio {

// The stored bytes of a typed text (nothing for Param3Form::None or a text the form cannot hold).
Bytes encodeParam3(Param3Form form, std::string_view text, const LangContext& context);
// The edit text of stored bytes: argument lists joined with ", ", hex bytes as "01 0A FF", raw text as
// stored, calls without a function name (so the text reads back to the same call).
std::string param3EditText(Param3Form form, ByteView bytes, const LangContext& context);
// The stored bytes read as an argument list: the text of each item (none when they are not one).
std::vector<std::string> param3Items(ByteView bytes, const LangContext& context);
// The bytes as a call form printed with the function's name.
std::string param3CallText(ByteView bytes, std::string_view name, const LangContext& context);
std::string param3IndexedCallText(ByteView bytes, std::string_view name, const LangContext& context);

// What the statement editor does to a typed parameter 3 before encoding it: trims blanks at both ends
// and, when the text holds no ASCII double quote, turns the full-width quotes "“" and "”" into ASCII
// double quotes.
std::string editorParam3Text(std::string_view typed);

}  // namespace lumio
