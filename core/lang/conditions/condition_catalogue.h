#pragma once
// The condition catalogue: the kinds of input condition, the objects (param1) and modes (param2) of
// each kind, the form in which a mode stores its parameter (param3), the layout of its listing text,
// and the example parameter texts the statement editor offers. Codes are list positions counted from 1
// and are stored in programs as they are, so the order of every list here is part of the file format.
#include <string>
#include <string_view>

#include "core/lang/context.h"

namespace lumio {

// How param3 of a condition is stored.
enum class ConditionForm {
    None,            // no parameter: N = 0 whatever was typed
    Expression,
    ArgumentList,
    ConditionChain,  // stored as nothing when its bytes exceed 200
    CallForm,        // printed with the mode name as the function name
    ForHeader,
    HexBytes,
    RawText,
    ClockTime,       // ArgumentList of hour, minute, second, typed and shown as "8时30分0秒"
    RemoteChannel,   // ArgumentList of board address and channel, typed and shown as "地址3  第2路"
};

// What a (kind, param1, param2) triple means for its parameter and its listing text.
struct ConditionMode {
    ConditionForm form = ConditionForm::None;
    // GBK listing layout: literal text with the fields {O} object name, {M} mode name, {P} parameter
    // text, {A0} {A1} {A2} the arguments of an ArgumentList. Empty for codes outside the tables.
    std::string_view layout;
};

// Names offered in the statement editor's lists; the empty text past the end of a list (and for any
// code outside it), which is where the editor stops asking.
std::string conditionKindName(int kind);
// Numbered objects of inputs, outputs, timers, bit variables, global variables and data ports show
// the user's name when one is set.
std::string conditionObjectName(int kind, int param1, const LangContext& context = {});
// User functions (kind 16, object 2) show the user's name of the function when one is set.
std::string conditionModeName(int kind, int param1, int param2, const LangContext& context = {});
// Example parameter texts, slot 1, 2, ...; the empty text when there is none.
std::string conditionExample(int kind, int param1, int param2, int slot);

ConditionMode conditionMode(int kind, int param1, int param2);

}  // namespace lumio
