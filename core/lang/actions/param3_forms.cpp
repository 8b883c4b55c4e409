#include "core/lang/actions/param3_forms.h"

#include <array>

#include "core/lang/actions/action_table.h"

namespace lumio {

namespace {

using actions::Codes;
using actions::from;
using actions::kAny;

struct FormRule {
    Codes kind;
    Codes p1;
    Codes p2;
    Param3Form form;
};

// The first matching row gives the form; a combination no row matches stores nothing.
constexpr auto kFormRules = std::to_array<FormRule>({
    {1, kAny, kAny, Param3Form::ArgumentList},
    {3, kAny, kAny, Param3Form::ArgumentList},
    {2, {0, 100}, 1, Param3Form::Expression},
    {{4, 5}, kAny, 2, Param3Form::ArgumentList},
    {{4, 5}, kAny, 7, Param3Form::ArgumentList},
    {{4, 5}, kAny, kAny, Param3Form::Expression},
    {{6, 7}, kAny, 2, Param3Form::ArgumentList},
    {{6, 7}, kAny, kAny, Param3Form::Expression},
    {{8, 9}, 1, kAny, Param3Form::Expression},
    {{8, 9}, 5, kAny, Param3Form::Expression},
    {{8, 9}, 2, kAny, Param3Form::RawText},
    {{8, 9}, 3, kAny, Param3Form::HexBytes},
    {{8, 9}, 4, kAny, Param3Form::ArgumentList},
    {{8, 9}, from(6), kAny, Param3Form::ArgumentList},
    {10, 1, kAny, Param3Form::ArgumentList},
    {10, 6, kAny, Param3Form::ArgumentList},
    {10, from(12), kAny, Param3Form::ArgumentList},
    {10, {2, 5}, kAny, Param3Form::Expression},
    {10, {7, 11}, kAny, Param3Form::Expression},
    {11, kAny, 1, Param3Form::HexBytes},
    {11, kAny, 2, Param3Form::RawText},
    {11, kAny, 3, Param3Form::Expression},
    {11, kAny, 5, Param3Form::Expression},
    {11, kAny, 4, Param3Form::ArgumentList},
    {12, 1, kAny, Param3Form::RelationList},
    {13, 1, kAny, Param3Form::CallForm},
    {13, from(4), kAny, Param3Form::CallForm},
    {13, 2, 1, Param3Form::Expression},
    {13, 3, kAny, Param3Form::IndexedCallForm},
    {{14, 15}, {1, 2}, kAny, Param3Form::ArgumentList},
    {16, {1, 2}, kAny, Param3Form::ArgumentList},
    {16, 4, kAny, Param3Form::ArgumentList},
    {{17, 20}, kAny, kAny, Param3Form::ArgumentList},
});

}  // namespace

Param3Form actionParam3Form(int kind, int p1, int p2) {
    for (const FormRule& rule : kFormRules)
        if (rule.kind.contains(kind) && rule.p1.contains(p1) && rule.p2.contains(p2)) return rule.form;
    return Param3Form::None;
}

}  // namespace lumio
