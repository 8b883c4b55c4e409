// `lumio check` and `lumio list` as whole processes on the program with the most statements a
// 499,999-byte image holds (about 71,400 statements of 7-byte records): wall time per run and the
// peak resident memory and the CPU time (user + system) of the process. Wall time on a shared machine
// depends on its load; the CPU time much less.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_programs.h"
#include "bench/process_run.h"
#include "core/model/program_files.h"

namespace {

using namespace lumio;

const std::filesystem::path& densestFile() {
    static const std::filesystem::path path = [] {
        const auto file = std::filesystem::temp_directory_path() / "lumio_cli_process_bench.zt5";
        bench::runInChild([&] {
            const Program program = bench::densestProgram();
            if (!saveProgramFile(program, file)) std::fprintf(stderr, "cannot write %s\n", file.string().c_str());
        });
        return file;
    }();
    return path;
}

void BM_LumioProcess(benchmark::State& state, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin() + 1, densestFile().string());
    // LUMIO_BENCH_CLI names another build of the tool, to compare figures before and after a change.
    const char* other = std::getenv("LUMIO_BENCH_CLI");
    const std::string cli = other != nullptr && *other != '\0' ? other : LUMIO_CLI;
    double peak = 0;
    double cpu = 0;
    for (auto _ : state) {
        const bench::ProcessRun run = bench::runProcess(cli, arguments);
        if (!run.ok) {
            state.SkipWithError("lumio failed");
            break;
        }
        state.SetIterationTime(run.milliseconds / 1000.0);
        peak = std::max(peak, run.peakMegabytes);
        cpu += run.cpuMilliseconds;
    }
    state.counters["peakMB"] = peak;
    state.counters["benchPeakMB"] = bench::ownPeakMegabytes();  // the floor under peakMB
    state.counters["cpuMs"] = cpu / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["fileBytes"] = static_cast<double>(std::filesystem::file_size(densestFile()));
}

BENCHMARK_CAPTURE(BM_LumioProcess, check, std::vector<std::string>{"check"})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_LumioProcess, list_main, std::vector<std::string>{"list", "--store", "main"})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(BM_LumioProcess, list_all, std::vector<std::string>{"list", "--store", "all"})
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
