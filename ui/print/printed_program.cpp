#include "ui/print/printed_program.h"

#include "core/listing/listing.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "ui/app/qt_text.h"

namespace lumio {
namespace {

PrintedStore printedStore(const ProgramStore& store, StoreKind kind, const QString& heading,
                          const LangContext& context) {
    PrintedStore printed{kind, heading, {}, {}};
    const std::vector<ListingLine> lines = renderListing(store, context);
    printed.lines.reserve(static_cast<qsizetype>(lines.size()));
    printed.colours.reserve(lines.size());
    for (const ListingLine& line : lines) {
        printed.lines << fromGbk(line.text);
        printed.colours.push_back(line.colour);
    }
    return printed;
}

// "函数3" alone, or "函数3  加热" when the user named it.
QString storeHeading(StoreRef store, const RenameTable& names) {
    const std::string defaultName = store.defaultName();
    const std::string shown = store.displayName(&names);
    if (shown == defaultName) return fromGbk(defaultName);
    return fromGbk(defaultName) + QStringLiteral("  ") + fromGbk(shown);
}

}  // namespace

PrintedProgram printedProgram(const Program& program, Edition edition, const QString& fileName) {
    PrintedProgram printed;
    printed.fileName = fileName;
    printed.kindText = QString::fromUtf8("程序文件");
    printed.byteSize = programBodySize(program, edition);
    const LangContext context{edition, &program.names};
    printed.stores.push_back(printedStore(program.main, StoreKind::Main, storeHeading(StoreRef::main(), program.names), context));
    auto add = [&](std::optional<StoreRef> store) {
        if (!store || !store->existsIn(edition) || store->in(program).empty()) return;
        printed.stores.push_back(printedStore(store->in(program), store->kind(), storeHeading(*store, program.names), context));
    };
    for (int number = 1; number <= kFunctionCount; ++number) add(StoreRef::function(number));
    for (int number = 1; number <= kThreadCount; ++number) add(StoreRef::thread(number));
    for (const RenameEntry& entry : program.names.entries)
        if (!entry.defaultName.empty()) printed.names.push_back({fromGbk(entry.userName), fromGbk(entry.defaultName)});
    return printed;
}

PrintedProgram printedBlock(const ProgramStore& store, const QString& fileName) {
    PrintedProgram printed;
    printed.fileName = fileName;
    printed.kindText = QString::fromUtf8("函数文件");
    printed.byteSize = static_cast<std::uint32_t>(blockFileBytes(store).size());
    printed.stores.push_back(printedStore(store, StoreKind::Main, QString::fromUtf8("语句块"), LangContext{}));
    return printed;
}

}  // namespace lumio
