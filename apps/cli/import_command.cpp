// lumio import TEXT -o FILE: the .zt5 or .hs5 file a program text stands for. Nothing is written
// unless the whole text is accepted.
#include <cstdio>

#include "apps/cli/commands.h"
#include "core/model/program_files.h"
#include "core/platform/file_io.h"
#include "core/text/bytes.h"
#include "core/textform/program_text.h"

namespace lumio::cli {

int runImport(const Arguments& arguments) {
    std::string path;
    std::string output;
    if (const auto usage = takeInputAndOutput(arguments, "import", "TEXT file", path, output)) return *usage;
    if (output.empty()) return usageError("import", "import needs -o FILE.zt5 or -o FILE.hs5");
    auto text = readFilePrefix(path, kMaxProgramText + 1);
    if (!text) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(text.error()).c_str());
        return 2;
    }
    auto imported = importProgramText(*text);
    if (!imported) {
        const TextFailure& failure = imported.error();
        if (failure.line == 0) std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), failure.reason.c_str());
        else std::fprintf(stderr, "lumio: %s:%zu: refused: %s\n", path.c_str(), failure.line, failure.reason.c_str());
        return 1;
    }
    const std::string extension(imported->kind == FileKind::Program ? kProgramFileExtension : kBlockFileExtension);
    if (!endsWith(output, extension))
        return usageError("import", "the text is a " + extension + " file; -o must name a " + extension + " file");
    auto written = writeFileAtomically(output, imported->bytes);
    if (!written) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(written.error()).c_str());
        return 2;
    }
    return 0;
}

}  // namespace lumio::cli
