// Build, check and load of a program image of 499,999 bytes, the largest an editor opens.
#include <benchmark/benchmark.h>

#include "core/model/program_image.h"

namespace {

using namespace lumio;

// Fills stores with 250-byte records until the image reaches exactly 499,999 bytes.
Program largestProgram() {
    Program program;
    Statement statement;
    statement.isAction = 1;
    statement.setKind(4);
    statement.setParam3(Bytes(243, 'x'));
    std::uint32_t total = kImageHeaderSize;
    for (int store = 0; store < 3; ++store) {
        ProgramStore& target = store == 0 ? program.main : program.function(store);
        total += kStoreHeaderSize;
        for (int i = 0; i < 790; ++i) {
            target.insertBefore(target.count(), statement);
            total += 250;
        }
        target.recomputeDepths();
    }
    // 16 + 3 * (6 + 790 * 250) = 592,534: trim to size with a last store of the right length.
    program.function(2).clear();
    total = kImageHeaderSize + programBodySize(program);
    std::uint32_t room = 499999 - total - static_cast<std::uint32_t>(kStoreHeaderSize);
    ProgramStore& last = program.function(2);
    while (room >= 250) {
        last.insertBefore(last.count(), statement);
        room -= 250;
    }
    Statement tail;
    tail.isAction = 1;
    tail.setParam3(Bytes(room - 7, 'y'));
    last.insertBefore(last.count(), tail);
    last.recomputeDepths();
    return program;
}

void BM_BuildProgramImage(benchmark::State& state) {
    Program program = largestProgram();
    for (auto _ : state) benchmark::DoNotOptimize(buildProgramImage(program));
    state.counters["bytes"] = static_cast<double>(buildProgramImage(program).size());
}

void BM_CheckProgramImage(benchmark::State& state) {
    Program program = largestProgram();
    const Bytes image = buildProgramImage(program);
    for (auto _ : state) benchmark::DoNotOptimize(checkProgramImage(image));
    state.counters["ok"] = checkProgramImage(image) == ImageCheck::Ok;
}

void BM_LoadProgramImage(benchmark::State& state) {
    Program program = largestProgram();
    const Bytes image = buildProgramImage(program);
    Program loaded;
    for (auto _ : state) {
        loadProgramImage(loaded, image);
        benchmark::DoNotOptimize(loaded.main.count());
    }
}

BENCHMARK(BM_BuildProgramImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckProgramImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadProgramImage)->Unit(benchmark::kMillisecond);

}  // namespace
