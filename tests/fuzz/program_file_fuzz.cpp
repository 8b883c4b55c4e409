// Fuzzes the program-image check and loader: raw input goes through checkProgramImage; the raw input
// when it passes, and the same input wrapped in a valid header, are loaded in both editions. What was
// loaded must save, load and save again to the same image, and the summary read without loading must
// give the loaded program's figures.
#include <cstdint>
#include <cstdlib>

#include "core/model/program_image.h"
#include "core/model/program_summary.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void loadAndRoundTrip(lumio::ByteView image, lumio::Edition edition) {
    using namespace lumio;
    if (checkProgramImage(image, edition) != ImageCheck::Ok) return;
    Program program;
    loadProgramImage(program, image, edition);
    const ProgramSummary summary = summariseProgramImage(image, edition);
    if (summary.bodySize != programBodySize(program, edition) || summary.namedCount != program.names.namedCount())
        std::abort();
    if (summary.main.statements != program.main.count()) std::abort();
    for (int k = 1; k <= kFunctionCount; ++k)
        if (summary.functions[static_cast<size_t>(k - 1)].statements != program.function(k).count()) std::abort();
    for (int k = 1; k <= kThreadCount; ++k)
        if (summary.threads[static_cast<size_t>(k - 1)].statements != program.thread(k).count()) std::abort();
    const Bytes saved = buildProgramImage(program, edition);
    if (checkProgramImage(saved, edition) != ImageCheck::Ok) return;  // larger than the edition accepts
    Program again;
    loadProgramImage(again, saved, edition);
    if (buildProgramImage(again, edition) != saved) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lumio;
    const ByteView input(reinterpret_cast<const char*>(data), size);
    for (Edition edition : {Edition::Current, Edition::Classic}) {
        loadAndRoundTrip(input, edition);
        loadAndRoundTrip(fuzz::sealedProgramImage(input), edition);
    }
    return 0;
}
