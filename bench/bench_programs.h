#pragma once
// Large programs shared by the benchmarks.
#include <cstdint>

#include "core/model/program.h"
#include "core/model/program_image.h"

namespace lumio::bench {

inline constexpr int kLargestMainCount = 28000;
inline constexpr std::uint32_t kLargestImage = 499999;

inline Statement statement(bool isAction, int kind, int param1, int param2) {
    Statement s;
    s.isAction = isAction ? 1 : 0;
    s.setKind(static_cast<std::uint8_t>(kind));
    s.setParam1(static_cast<std::uint8_t>(param1));
    s.setParam2(static_cast<std::uint8_t>(param2));
    return s;
}

// Appends `count` 7-byte statements: rules of two conditions without parameter ("输入k 闭合",
// "位变量k  =1") and two actions ("全部闭合"), with a block around every tenth rule.
inline void appendRules(ProgramStore& store, size_t count) {
    const size_t target = store.count() + count;
    store.statements.reserve(target);
    for (int i = 0; store.count() < target; ++i) {
        const bool block = i % 10 == 0 && store.count() + 6 <= target;
        if (block) store.statements.push_back(statement(true, kBlockActionKind, kBlockBeginParam, 0));
        store.statements.push_back(statement(false, 1, 1 + i % 200, 2));
        store.statements.push_back(statement(false, 4, 1 + i % 200, 2));
        store.statements.push_back(statement(true, 1, 1, 5));
        store.statements.push_back(statement(true, 1, 1, 6));
        if (block) store.statements.push_back(statement(true, kBlockActionKind, kBlockEndParam, 0));
    }
    store.statements.resize(target);
    store.recomputeDepths();
}

// The largest main program: 28,000 statements of 7-byte records, a store image of 196,006 bytes.
inline ProgramStore largestMain() {
    ProgramStore store;
    appendRules(store, kLargestMainCount);
    return store;
}

// The program with the most statements a 499,999-byte image holds: the largest main program, then
// functions of 7-byte records (each store image at most 200,000 bytes) up to exactly 499,999 bytes.
inline Program densestProgram() {
    Program program;
    program.main = largestMain();
    for (int number = 1; number <= kFunctionCount; ++number) {
        std::uint32_t room = kLargestImage - kImageHeaderSize - programBodySize(program);
        if (room < kStoreHeaderSize + 7) break;
        room = std::min<std::uint32_t>(room, kMaxStoreImage) - static_cast<std::uint32_t>(kStoreHeaderSize);
        ProgramStore& function = program.function(number);
        appendRules(function, room / 7);
        // The bytes left over (0..6) go into the last record's parameter.
        Statement last = function.statements.back();
        Bytes param3 = Bytes(last.param3());
        param3.append(room % 7, '\x01');
        last.setParam3(param3);
        function.statements.back() = last;
    }
    return program;
}

}  // namespace lumio::bench
