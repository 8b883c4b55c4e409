// Runs the fault harness over thousands of seeded schedules and reports what happened and how fast:
//   fault_harness_bench [--operation NAME|all] [--schedules N] [--size BYTES] [--first-seed S]
// or replays one case alone, printing every arrival and effect:
//   fault_harness_bench --operation write-all --size 5000 --schedule seed=7,drop=0.02 --trace
// Exit code 1 when any schedule broke the oracle (each such case is printed with its replay line).
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sim/harness/fault_harness.h"

namespace {

using lumio::harness::HarnessCase;
using lumio::harness::HarnessOperation;
using lumio::harness::HarnessResult;

struct Arguments {
    std::vector<HarnessOperation> operations{HarnessOperation::WriteAll};
    std::uint64_t schedules = 10000;
    std::uint64_t firstSeed = 1;
    std::uint32_t size = 5000;
    std::string schedule;  // replay one case
    bool trace = false;
};

bool parse(int argc, char** argv, Arguments& arguments)
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        const bool hasValue = index + 1 < argc;
        if (argument == "--trace") {
            arguments.trace = true;
        } else if (argument == "--operation" && hasValue) {
            const std::string_view name = argv[++index];
            arguments.operations.clear();
            if (name == "all") {
                arguments.operations.assign(std::begin(lumio::harness::kAllHarnessOperations),
                                            std::end(lumio::harness::kAllHarnessOperations));
            } else if (const auto operation = lumio::harness::harnessOperationNamed(name)) {
                arguments.operations.push_back(*operation);
            } else {
                return false;
            }
        } else if (argument == "--schedules" && hasValue) {
            arguments.schedules = std::stoull(argv[++index]);
        } else if (argument == "--first-seed" && hasValue) {
            arguments.firstSeed = std::stoull(argv[++index]);
        } else if (argument == "--size" && hasValue) {
            arguments.size = static_cast<std::uint32_t>(std::stoul(argv[++index]));
        } else if (argument == "--schedule" && hasValue) {
            arguments.schedule = argv[++index];
        } else {
            return false;
        }
    }
    return arguments.size >= 16 && arguments.size < 500000;
}

int replay(const Arguments& arguments)
{
    const auto schedule = lumio::sim::FaultSchedule::parse(arguments.schedule);
    if (!schedule) {
        std::fprintf(stderr, "fault_harness_bench: %s\n", schedule.error().c_str());
        return 2;
    }
    const HarnessCase harnessCase{arguments.operations.front(), *schedule, arguments.size};
    const HarnessResult result = lumio::harness::runHarnessCase(harnessCase, arguments.trace);
    std::fputs(result.trace.c_str(), stdout);
    std::printf("%s: %s after %llu ms virtual; faults fired: %s\n", replayArguments(harnessCase).c_str(),
                result.ending.c_str(), static_cast<unsigned long long>(result.virtualMilliseconds),
                result.faultsFired.c_str());
    if (!result.oracleHeld)
        std::printf("ORACLE BROKEN: %s\n", result.violation.c_str());
    return result.oracleHeld ? 0 : 1;
}

int sweep(const Arguments& arguments)
{
    bool allHeld = true;
    for (const HarnessOperation operation : arguments.operations) {
        std::uint64_t successes = 0;
        std::uint64_t violations = 0;
        std::uint64_t virtualMilliseconds = 0;
        std::map<std::string, std::uint64_t> endings;
        const auto started = std::chrono::steady_clock::now();
        for (std::uint64_t seed = arguments.firstSeed; seed < arguments.firstSeed + arguments.schedules; ++seed) {
            const HarnessCase harnessCase{operation, lumio::sim::randomSchedule(seed), arguments.size};
            const HarnessResult result = lumio::harness::runHarnessCase(harnessCase);
            successes += result.succeeded ? 1 : 0;
            virtualMilliseconds += result.virtualMilliseconds;
            ++endings[result.ending];
            if (!result.oracleHeld) {
                ++violations;
                std::printf("ORACLE BROKEN: %s\n  faults fired: %s\n  replay: fault_harness_bench %s --trace\n",
                            result.violation.c_str(), result.faultsFired.c_str(),
                            replayArguments(harnessCase).c_str());
            }
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("%-16s %llu schedules of a %u-byte image in %.2f s (%.0f per second, %.1f h virtual): "
                    "%llu successes, %llu oracle violations\n",
                    std::string(lumio::harness::harnessOperationName(operation)).c_str(),
                    static_cast<unsigned long long>(arguments.schedules), arguments.size, seconds,
                    arguments.schedules / seconds, virtualMilliseconds / 3.6e6,
                    static_cast<unsigned long long>(successes), static_cast<unsigned long long>(violations));
        for (const auto& [ending, count] : endings)
            std::printf("    %6llu  %s\n", static_cast<unsigned long long>(count), ending.c_str());
        allHeld = allHeld && violations == 0;
    }
    return allHeld ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    if (!parse(argc, argv, arguments)) {
        std::fputs("usage: fault_harness_bench [--operation NAME|all] [--schedules N] [--size BYTES] "
                   "[--first-seed S] [--schedule SPEC [--trace]]\n",
                   stderr);
        return 2;
    }
    return arguments.schedule.empty() ? sweep(arguments) : replay(arguments);
}
