// Rendering the listing of the largest main program (28,000 statements: as many 7-byte records as a
// 200,000-byte store image holds), and `lumio list` of a 499,999-byte program file, wall time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_programs.h"
#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"

namespace {

using namespace lumio;
using bench::largestMain;
using bench::statement;

RenameTable someNames(int count) {
    RenameTable names;
    for (int k = 1; k <= count; ++k) names.entries.push_back({toGbk("输入" + std::to_string(k)), toGbk("按钮" + std::to_string(k))});
    return names;
}

void BM_RenderListing(benchmark::State& state) {
    const ProgramStore store = largestMain();
    const RenameTable names = someNames(static_cast<int>(state.range(0)));
    const LangContext context{Edition::Current, &names};
    for (auto _ : state) benchmark::DoNotOptimize(renderListing(store, context));
    state.counters["statements"] = static_cast<double>(store.count());
    state.counters["imageBytes"] = static_cast<double>(store.imageSize());
}
BENCHMARK(BM_RenderListing)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

#ifdef LUMIO_CLI
// The largest main program, then functions of 250-byte records up to an image of exactly 499,999 bytes.
std::filesystem::path largestProgramFile() {
    Program program;
    program.main = largestMain();
    Statement full = statement(false, 9, 1, 2);  // "数组0等于字符串 xxx..."
    full.setParam3(Bytes(243, 'x'));
    const std::uint32_t target = 499999;
    for (int number = 1; number <= kFunctionCount; ++number) {
        ProgramStore& function = program.function(number);
        std::uint32_t room = target - kImageHeaderSize - programBodySize(program);
        if (room < kStoreHeaderSize + 7) break;
        room -= static_cast<std::uint32_t>(kStoreHeaderSize);
        while (room >= 250 && function.imageSize() + 250 + kStoreHeaderSize <= kMaxStoreImage) {
            function.statements.push_back(full);
            room -= 250;
        }
        if (room < 250 && room >= 7) {
            Statement tail = statement(false, 9, 1, 2);
            tail.setParam3(Bytes(room - 7, 'y'));
            function.statements.push_back(tail);
        }
        function.recomputeDepths();
    }
    const auto path = std::filesystem::temp_directory_path() / "lumio_listing_bench.zt5";
    if (!saveProgramFile(program, path)) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        std::exit(1);
    }
    return path;
}

void BM_LumioList(benchmark::State& state, const char* store) {
    const auto path = largestProgramFile();
    const std::string command =
        std::string("\"") + LUMIO_CLI + "\" list \"" + path.string() + "\" --store " + store + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("lumio list failed");
    state.counters["fileBytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_LumioList, main, "main")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK_CAPTURE(BM_LumioList, all, "all")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
#endif

}  // namespace
