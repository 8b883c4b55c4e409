#pragma once
// Building action statements from UTF-8 test texts and reading their listing text back as UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lang/actions/action_text.h"
#include "core/text/gbk.h"
#include "tests/support/statements.h"

namespace lumio::testing {

// One listing case: the codes, parameter 3 as typed, and the whole expected text.
struct ActionTextCase {
    int kind, p1, p2;
    const char* param3;
    const char* expected;
};

inline void expectActionTexts(const std::vector<ActionTextCase>& cases, const LangContext& context = kCurrentEdition) {
    for (const ActionTextCase& c : cases) {
        const Statement statement = actionStatementIn(context, c.kind, c.p1, c.p2, c.param3);
        EXPECT_EQ(toUtf8(actionText(statement, context)), c.expected)
            << c.kind << "/" << c.p1 << "/" << c.p2 << " «" << c.param3 << "»"
            << (context.edition == Edition::Classic ? " (classic)" : "");
    }
}

}  // namespace lumio::testing
