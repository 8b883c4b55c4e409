// Fuzzes the program text. The input is read as a text: whatever the importer accepts must export to
// a text that imports to the same bytes. The input is also sealed as a program image body: whatever
// opens must export and import back byte for byte.
#include <cstdint>
#include <cstdlib>

#include "core/textform/program_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void requireRoundTrip(lumio::ByteView file, lumio::FileKind kind) {
    const auto text = lumio::exportProgramText(file, kind);
    if (!text) return;
    const auto again = lumio::importProgramText(*text);
    if (!again || again->kind != kind || again->bytes != file) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace lumio;
    const ByteView input(reinterpret_cast<const char*>(data), size);
    if (const auto imported = importProgramText(input)) requireRoundTrip(imported->bytes, imported->kind);
    requireRoundTrip(fuzz::sealedProgramImage(input), FileKind::Program);
    requireRoundTrip(input, FileKind::Block);
    return 0;
}
