// lumio-example-archive OUTPUT.rar [FOLDER]: writes the classic editor's example archive and, when a
// folder is named, each of its files beside it, for the build and its tests.
#include <cstdio>
#include <filesystem>

#include "core/classic/example_archive.h"
#include "core/platform/file_io.h"

namespace {

bool write(const std::filesystem::path& path, lumio::ByteView bytes) {
    const auto written = lumio::writeFileAtomically(path, bytes);
    if (!written) std::fprintf(stderr, "lumio-example-archive: %s\n", lumio::describeFailure(written.error()).c_str());
    return written.has_value();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: lumio-example-archive OUTPUT.rar [FOLDER]\n");
        return 2;
    }
    const auto archive = lumio::exampleArchive();
    if (!archive) {
        std::fprintf(stderr, "lumio-example-archive: %s\n", archive.error().c_str());
        return 1;
    }
    if (argc == 3) {
        const std::filesystem::path folder = argv[2];
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        for (const auto& entry : lumio::exampleArchiveEntries())
            if (!write(folder / std::filesystem::u8path(entry.name), entry.content)) return 1;
    }
    return write(argv[1], *archive) ? 0 : 1;
}
