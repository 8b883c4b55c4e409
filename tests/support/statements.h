#pragma once
// Statements for tests, from codes and UTF-8 texts: parameter 3 encoded as the statement editor
// encodes it, in the current edition unless a context says otherwise. A text the encoder refuses is a
// broken test, so it stops the test program at once rather than leaving a statement that is not the one
// the test describes.
#include <cstdio>
#include <cstdlib>

#include "core/lang/actions/action_text.h"
#include "core/lang/conditions/condition_param.h"
#include "core/model/program_store.h"
#include "core/model/statement.h"
#include "core/text/gbk.h"

namespace lumio::testing {

inline const LangContext kCurrentEdition{Edition::Current, nullptr};
inline const LangContext kClassicEdition{Edition::Classic, nullptr};

// A statement from its codes alone: parameter 3 empty, as a model or listing test wants it.
inline Statement rawStatement(bool isAction, int kind, int p1 = 0, int p2 = 0) {
    Statement statement;
    statement.isAction = isAction ? 1 : 0;
    statement.setKind(static_cast<std::uint8_t>(kind));
    statement.setParam1(static_cast<std::uint8_t>(p1));
    statement.setParam2(static_cast<std::uint8_t>(p2));
    return statement;
}

inline Statement blockBegin() { return rawStatement(true, kBlockActionKind, kBlockBeginParam); }
inline Statement blockEnd() { return rawStatement(true, kBlockActionKind, kBlockEndParam); }

inline Statement codedStatement(bool isAction, int kind, int p1, int p2, const char* param3Utf8,
                                const LangContext& context = kCurrentEdition) {
    Statement statement = rawStatement(isAction, kind, p1, p2);
    const bool stored = isAction ? encodeActionParam(statement, toGbk(param3Utf8), context)
                                 : encodeConditionParam(statement, toGbk(param3Utf8), context);
    if (!stored) {
        std::fprintf(stderr, "test statement %d/%d/%d refuses parameter 3 \"%s\"\n", kind, p1, p2, param3Utf8);
        std::abort();
    }
    return statement;
}

// An action of the edition of `context` with parameter 3.
inline Statement actionStatementIn(const LangContext& context, int kind, int p1, int p2, const char* param3Utf8 = "") {
    return codedStatement(true, kind, p1, p2, param3Utf8, context);
}

// An action (kind/p1/p2) with parameter 3 and a comment.
inline Statement actionStatement(int kind, int p1, int p2, const char* param3Utf8 = "", const char* commentUtf8 = "") {
    Statement statement = codedStatement(true, kind, p1, p2, param3Utf8);
    statement.comment = toGbk(commentUtf8);
    return statement;
}

// A condition (kind/object/mode) with parameter 3.
inline Statement conditionStatement(int kind, int p1, int p2, const char* param3Utf8 = "") {
    return codedStatement(false, kind, p1, p2, param3Utf8);
}

}  // namespace lumio::testing
