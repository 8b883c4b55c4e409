#pragma once
// Small builders for statements and stores used across the model tests.
#include <string>

#include "core/model/program_store.h"
#include "tests/support/statements.h"

namespace lumio::testing {

inline Statement action(int kind, int p1 = 0, int p2 = 0) { return rawStatement(true, kind, p1, p2); }
inline Statement condition(int kind, int p1 = 0, int p2 = 0) { return rawStatement(false, kind, p1, p2); }

// A store of `count` distinct actions: statement i is action kind 1 with param2 = i.
inline ProgramStore numberedStore(int count) {
    ProgramStore store;
    for (int i = 0; i < count; ++i) store.insertAfter(kAppend, action(1, 1, static_cast<std::uint8_t>(i)));
    return store;
}

// The param2 values of a numbered store, in order, as a string like "0 1 2".
inline std::string markers(const ProgramStore& store) {
    std::string out;
    for (const Statement& statement : store.statements) {
        if (!out.empty()) out += ' ';
        out += std::to_string(statement.param2());
    }
    return out;
}

}  // namespace lumio::testing
