#pragma once
// Building action statements from UTF-8 test texts and reading their listing text back as UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/lang/actions/action_text.h"
#include "core/text/gbk.h"

namespace lumio::testing {

inline const LangContext kCurrentEdition{Edition::Current, nullptr};
inline const LangContext kClassicEdition{Edition::Classic, nullptr};

inline Statement actionStatement(int kind, int p1, int p2, const char* param3Utf8 = "",
                                 const LangContext& context = kCurrentEdition) {
    Statement statement;
    statement.isAction = 1;
    statement.setKind(static_cast<std::uint8_t>(kind));
    statement.setParam1(static_cast<std::uint8_t>(p1));
    statement.setParam2(static_cast<std::uint8_t>(p2));
    EXPECT_TRUE(encodeActionParam(statement, toGbk(param3Utf8), context));
    return statement;
}

// One listing case: the codes, parameter 3 as typed, and the whole expected text.
struct ActionTextCase {
    int kind, p1, p2;
    const char* param3;
    const char* expected;
};

inline void expectActionTexts(const std::vector<ActionTextCase>& cases, const LangContext& context = kCurrentEdition) {
    for (const ActionTextCase& c : cases) {
        const Statement statement = actionStatement(c.kind, c.p1, c.p2, c.param3, context);
        EXPECT_EQ(toUtf8(actionText(statement, context)), c.expected)
            << c.kind << "/" << c.p1 << "/" << c.p2 << " «" << c.param3 << "»"
            << (context.edition == Edition::Classic ? " (classic)" : "");
    }
}

}  // namespace lumio::testing
