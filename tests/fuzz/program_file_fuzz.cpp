// Fuzzes the program-image check and loader: raw input goes through checkProgramImage; the same input
// wrapped in a valid header is loaded, in both editions, and must survive a save and load unchanged.
#include <cstdint>
#include <cstdlib>

#include "core/model/program_image.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lumio;
    const ByteView input(reinterpret_cast<const char*>(data), size);
    for (Edition edition : {Edition::Current, Edition::Classic}) {
        if (checkProgramImage(input, edition) == ImageCheck::Ok) {
            Program program;
            loadProgramImage(program, input, edition);
        }
        const Bytes image = fuzz::sealedProgramImage(input);
        if (checkProgramImage(image, edition) != ImageCheck::Ok) continue;
        Program program;
        loadProgramImage(program, image, edition);
        // What was loaded must build and load again to the same program.
        Bytes rebuilt = buildProgramImage(program, edition);
        if (checkProgramImage(rebuilt, edition) == ImageCheck::Ok) {
            Program again;
            loadProgramImage(again, rebuilt, edition);
            if (buildProgramImage(again, edition) != rebuilt) std::abort();
        }
    }
    return 0;
}
