// Pasting 10,000 statements into a 10,000-statement main program through the program document, and
// inserting a 10,000-statement block after line 5,000 (a block file imported at the caret): each is
// one edit, so block depths are recomputed once, not once per statement. The goal is under 20 ms.
#include <benchmark/benchmark.h>

#include "core/editing/program_document.h"
#include "core/editing/store_edit.h"

namespace {

using namespace lumio;

constexpr int kStatements = 10000;

// Rules with a block around every tenth, so depths have something to compute.
ProgramStore storeOf(int count) {
    ProgramStore store;
    for (int i = 0; i < count; ++i) {
        Statement statement;
        statement.isAction = i % 2;
        statement.setKind(statement.isAction ? kBlockActionKind : 1);
        statement.setParam1(static_cast<std::uint8_t>(i % 10 == 0 ? kBlockBeginParam : i % 10 == 9 ? kBlockEndParam : 1));
        store.statements.push_back(statement);
    }
    store.recomputeDepths();
    return store;
}

void PasteIntoLargeProgram(benchmark::State& state) {
    Program program;
    program.main = storeOf(kStatements);
    ProgramDocument document;
    document.replace(program);
    document.clipboard() = storeOf(kStatements);
    for (auto _ : state) {
        document.apply({StoreRef::main(), pasteChange(document.program().main, document.clipboard(), 4999, kStatements)});
        state.PauseTiming();
        document.undo();
        state.ResumeTiming();
    }
}

void InsertBlockIntoLargeProgram(benchmark::State& state) {
    ProgramStore store = storeOf(kStatements);
    const ProgramStore block = storeOf(kStatements);
    for (auto _ : state) {
        const SpanChange change = insertStoreAfter(store, block, 4999);
        state.PauseTiming();
        revertChange(store, change);
        state.ResumeTiming();
    }
}

BENCHMARK(PasteIntoLargeProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertBlockIntoLargeProgram)->Unit(benchmark::kMillisecond);

}  // namespace
