#pragma once
// Small builders for statements and stores used across the model tests.
#include <string>

#include "core/model/program_store.h"

namespace lumio::testing {

inline Statement action(std::uint8_t kind, std::uint8_t p1 = 0, std::uint8_t p2 = 0) {
    Statement statement;
    statement.isAction = 1;
    statement.setKind(kind);
    statement.setParam1(p1);
    statement.setParam2(p2);
    return statement;
}

inline Statement condition(std::uint8_t kind, std::uint8_t p1 = 0, std::uint8_t p2 = 0) {
    Statement statement = action(kind, p1, p2);
    statement.isAction = 0;
    return statement;
}

inline Statement blockBegin() { return action(kBlockActionKind, kBlockBeginParam); }
inline Statement blockEnd() { return action(kBlockActionKind, kBlockEndParam); }

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
