// lumio list FILE [--store main|function N|thread N|all] [--edition classic]: the listing of a program or block file, as
// the editor's list shows it, one line per statement.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "apps/cli/commands.h"
#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/text/bytes.h"
#include "core/text/gbk.h"
#include "core/text/text_table.h"

namespace lumio::cli {
namespace {

// Which stores to list: one, or all of them.
struct StoreChoice {
    bool all = false;
    StoreRef store;
};

std::optional<int> storeNumber(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int number = std::stoi(text);
    if (number < 1 || number > kFunctionCount) return std::nullopt;
    return number;
}

void printLines(const ProgramStore& store, const LangContext& context) {
    std::string out;
    for (const ListingLine& line : renderListing(store, context)) {
        out += toUtf8(line.text);
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// "== 主程序 ==", "== 函数3 ==" (or the user's name of the function), "== 线程2 ==".
void printHeading(const std::string& gbkName) { std::printf("== %s ==\n", toUtf8(gbkName).c_str()); }

int listProgram(const std::string& path, const StoreChoice& choice, const EditionProfile& profile) {
    auto bytes = readProgramFile(path, profile.edition);
    if (!bytes) {
        if (bytes.error().error == FileError::Unreadable) {
            std::fprintf(stderr, "lumio: %s\n", describeFailure(*bytes.error().io).c_str());
            return 2;
        }
        std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), fileErrorName(bytes.error().error));
        return 1;
    }
    Program program;
    loadProgramImage(program, *bytes, profile.edition);
    const LangContext context{profile.edition, &program.names};
    if (!choice.all) {
        printLines(program.store(choice.store), context);
        return 0;
    }
    auto print = [&](StoreRef store) {
        if (program.store(store).empty()) return;
        printHeading(store.displayName(&program.names));
        printLines(program.store(store), context);
    };
    print(StoreRef::main());
    for (int k = 1; k <= kFunctionCount; ++k) print(*StoreRef::function(k));
    if (profile.hasThreads)
        for (int k = 1; k <= kThreadCount; ++k) print(*StoreRef::thread(k));
    return 0;
}

int listBlock(const std::string& path) {
    ProgramStore store;
    auto loaded = loadBlockFile(store, path);
    if (!loaded) {
        if (loaded.error().error == FileError::Unreadable) {
            std::fprintf(stderr, "lumio: %s\n", describeFailure(*loaded.error().io).c_str());
            return 2;
        }
        std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), fileErrorName(loaded.error().error));
        return 1;
    }
    printLines(store, {});
    return 0;
}

}  // namespace

int runList(const Arguments& given) {
    Arguments arguments = given;
    std::string editionError;
    const EditionProfile* profile = takeEditionOption(arguments, editionError);
    if (!profile) return usageError("list", editionError);
    std::string path;
    StoreChoice choice;
    bool storeGiven = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--store") {
            if (i + 1 >= arguments.size()) return usageError("list", "--store needs main, function N, thread N or all");
            const std::string& which = arguments[++i];
            storeGiven = true;
            if (which == "main") {
                choice = {};
            } else if (which == "all") {
                choice.all = true;
            } else if (which == "function" || which == "thread") {
                if (i + 1 >= arguments.size()) return usageError("list", "--store " + which + " needs a number 1..100");
                const auto number = storeNumber(arguments[++i]);
                if (!number) return usageError("list", "--store " + which + " needs a number 1..100, not '" + arguments[i] + "'");
                if (which == "thread" && !profile->hasThreads)
                    return usageError("list", "the classic edition has no threads");
                choice.store = *StoreRef::of(which == "function" ? StoreKind::Function : StoreKind::Thread, *number);
            } else {
                return usageError("list", "unknown store '" + which + "' (main, function N, thread N or all)");
            }
        } else if (startsWith(argument, "-") && argument.size() > 1) {
            return usageError("list", "unknown option '" + argument + "'");
        } else if (path.empty()) {
            path = argument;
        } else {
            return usageError("list", "list takes one FILE");
        }
    }
    if (path.empty()) return usageError("list", "list needs a FILE");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return usageError("list", "cannot read '" + path + "': not a readable file");
    if (endsWith(path, ".hs5")) {
        if (storeGiven && (choice.all || !choice.store.isMain()))
            return usageError("list", "a .hs5 block file holds one statement list; --store applies to .zt5 files");
        return listBlock(path);
    }
    return listProgram(path, choice, *profile);
}

}  // namespace lumio::cli
