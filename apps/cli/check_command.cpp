// lumio check FILE: would the editor open this file, and what does it hold.
#include <cstdio>
#include <filesystem>

#include "apps/cli/commands.h"
#include "core/model/program_files.h"
#include "core/model/program_summary.h"
#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio::cli {
namespace {

void printStoreCounts(const char* label, const std::array<StoreSummary, 100>& stores) {
    std::string list;
    int holding = 0;
    for (size_t i = 0; i < stores.size(); ++i) {
        if (stores[i].statements == 0) continue;
        ++holding;
        if (!list.empty()) list += ", ";
        list += std::to_string(i + 1) + " (" + std::to_string(stores[i].statements) + ")";
    }
    std::printf("%s: %d%s%s\n", label, holding, holding ? ": " : "", list.c_str());
}

int refuse(const std::string& path, const FileFailure& failure, const UserMessage& message) {
    if (failure.error == FileError::Unreadable) {
        std::fprintf(stderr, "lumio: %s\n", describeFailure(*failure.io).c_str());
        return 2;
    }
    std::printf("%s: refused: %s", path.c_str(), fileErrorName(failure.error));
    if (!message.text.empty()) std::printf(" (the editor says \"%s\")", toUtf8(message.text).c_str());
    std::printf("\n");
    return 1;
}

// The figures come from walking the image record by record: what loading would give, without
// holding a statement.
int checkProgram(const std::filesystem::path& path, const EditionProfile& profile) {
    auto bytes = readProgramFile(path, profile.edition);
    if (!bytes) return refuse(path.string(), bytes.error(), programFileMessage(bytes.error()));
    const ProgramSummary summary = summariseProgramImage(*bytes, profile.edition);
    std::printf("%s: ok\n", path.string().c_str());
    std::printf("image length: %zu bytes\n", bytes->size());
    std::printf("body size: %u bytes\n", summary.bodySize);
    std::printf("main program: %zu statements\n", summary.main.statements);
    printStoreCounts("functions", summary.functions);
    if (profile.hasThreads) printStoreCounts("threads", summary.threads);
    std::printf("user names: %zu lines\n", summary.namedCount);
    return 0;
}

int checkBlock(const std::filesystem::path& path) {
    auto image = readBlockFile(path);
    if (!image) return refuse(path.string(), image.error(), blockFileMessage(image.error()));
    std::printf("%s: ok\n", path.string().c_str());
    std::printf("image length: %u bytes\n", readU32BigEndian(*image, 0));
    std::printf("statements: %zu\n", summariseStoreImage(*image).statements);
    return 0;
}

}  // namespace

int runCheck(const Arguments& given) {
    Arguments arguments = given;
    std::string editionError;
    const EditionProfile* profile = takeEditionOption(arguments, editionError);
    if (!profile) return usageError("check", editionError);
    if (arguments.size() != 1) return usageError("check", "check takes exactly one FILE");
    const std::filesystem::path path = arguments[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return usageError("check", "cannot read '" + arguments[0] + "': not a readable file");
    // Block files by their extension in any case, so a wrongly written ".HS5" is refused as a block file.
    if (endsWith(asciiUpper(arguments[0]), ".HS5")) return checkBlock(path);
    return checkProgram(path, *profile);
}

}  // namespace lumio::cli
