// lumio list FILE [--store main|function N|thread N|all] [--edition classic]: the listing of a program or block file, as
// the editor's list shows it, one line per statement.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "apps/cli/commands.h"
#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
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

// Writes listing lines to standard output as UTF-8, converting a batch of lines at a time: the
// statements are read from the image one by one, so no store is ever held whole.
class LineWriter {
public:
    ~LineWriter() { flush(); }
    void add(std::string_view gbkLine) {
        pending_ += gbkLine;
        // '\n' is never the second byte of a GBK character, so a batch converts as its lines would.
        pending_ += '\n';
        if (pending_.size() >= kBatchBytes) flush();
    }
    void flush() {
        const std::string out = toUtf8(pending_);
        std::fwrite(out.data(), 1, out.size(), stdout);
        pending_.clear();
    }

private:
    static constexpr size_t kBatchBytes = 64 * 1024;
    std::string pending_;
};

void printLines(ByteView storeImage, const LangContext& context, LineWriter& writer) {
    ListingRenderer renderer(context);
    forEachStoredStatement(storeImage, [&](const Statement& statement) { writer.add(renderer.next(statement).text); });
}

// "== 主程序 ==", "== 函数3 ==" (or the user's name of the function), "== 线程2 ==".
void printHeading(const std::string& gbkName, LineWriter& writer) { writer.add("== " + gbkName + " =="); }

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
    const ProgramImageItems items = findProgramImageItems(*bytes, profile.edition);
    const RenameTable names = loadedNames(items.namesText, profile.edition);
    const LangContext context{profile.edition, &names};
    LineWriter writer;
    if (!choice.all) {
        printLines(items.store(choice.store), context, writer);
        return 0;
    }
    // A store is listed when loading gives it statements.
    auto print = [&](StoreRef store) {
        const ByteView image = items.store(store);
        if (forEachStoreRecord(image, [](ByteView) {}) == 0) return;
        printHeading(store.displayName(&names), writer);
        printLines(image, context, writer);
    };
    print(StoreRef::main());
    for (int k = 1; k <= kFunctionCount; ++k) print(*StoreRef::function(k));
    if (profile.hasThreads)
        for (int k = 1; k <= kThreadCount; ++k) print(*StoreRef::thread(k));
    return 0;
}

int listBlock(const std::string& path) {
    auto image = readBlockFile(path);
    if (!image) {
        if (image.error().error == FileError::Unreadable) {
            std::fprintf(stderr, "lumio: %s\n", describeFailure(*image.error().io).c_str());
            return 2;
        }
        std::fprintf(stderr, "lumio: %s: refused: %s\n", path.c_str(), fileErrorName(image.error().error));
        return 1;
    }
    LineWriter writer;
    printLines(*image, {}, writer);
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
