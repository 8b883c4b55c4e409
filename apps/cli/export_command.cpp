// lumio export FILE [-o OUT] [--edition classic]: the program text of a .zt5 or .hs5 file, to standard output or OUT.
// Also serves as a git textconv driver, which passes a temporary copy of the file.
#include <cstdio>

#include "apps/cli/console.h"
#include "apps/cli/commands.h"
#include "core/model/program_files.h"
#include "core/platform/file_io.h"
#include "core/text/bytes.h"
#include "core/textform/program_text.h"

namespace lumio::cli {
namespace {

// Files are read whole; bytes past a program image (which the editor ignores) are kept up to this.
constexpr size_t kMaxExportedFile = 8 * 1024 * 1024;

// The kind the name says; for other names (git may pass any temporary name), what the bytes are.
FileKind kindOf(const std::string& path, ByteView bytes, Edition edition) {
    if (endsWith(path, kProgramFileExtension)) return FileKind::Program;
    if (endsWith(path, kBlockFileExtension)) return FileKind::Block;
    if (fileRefusal(bytes, FileKind::Program, edition).empty()) return FileKind::Program;
    return FileKind::Block;
}

}  // namespace

int runExport(const Arguments& given) {
    Arguments arguments = given;
    std::string editionError;
    const EditionProfile* profile = takeEditionOption(arguments, editionError);
    if (!profile) return usageError("export", editionError);
    std::string path;
    std::string output;
    if (const auto usage = takeInputAndOutput(arguments, "export", "FILE", path, output)) return *usage;
    auto bytes = readFilePrefix(path, kMaxExportedFile + 1);
    if (!bytes) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(bytes.error()).c_str());
        return 2;
    }
    if (bytes->size() > kMaxExportedFile) {
        std::fprintf(stderr, "lumio: %s: refused: larger than %zu bytes\n", path.c_str(), kMaxExportedFile);
        return 1;
    }
    auto text = exportProgramText(*bytes, kindOf(path, *bytes, profile->edition), profile->edition);
    if (!text) {
        std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), text.error().c_str());
        return 1;
    }
    if (output.empty()) {
        useBinaryStandardOutput();
        std::fwrite(text->data(), 1, text->size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    auto written = writeFileAtomically(output, *text);
    if (!written) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(written.error()).c_str());
        return 2;
    }
    return 0;
}

}  // namespace lumio::cli
