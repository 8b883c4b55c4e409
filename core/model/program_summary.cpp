#include "core/model/program_summary.h"

#include "core/lang/operands/naming.h"
#include "core/model/program_image.h"
#include "core/model/program_store.h"

namespace lumio {

StoreSummary summariseStoreImage(ByteView storeImage) {
    StoreSummary summary;
    // A record is written back at the length its statement gives, which can differ from the length
    // it was read with (a comment beyond 63 bytes, a parameter length beyond the record).
    summary.statements = forEachStoreRecord(storeImage, [&](ByteView record) {
        summary.imageSize += static_cast<std::uint32_t>(recordLength(readStatementRecord(record)));
    });
    if (summary.statements > 0) summary.imageSize += static_cast<std::uint32_t>(kStoreHeaderSize);
    return summary;
}

ProgramSummary summariseProgramImage(ByteView image, Edition edition) {
    const ProgramImageItems items = findProgramImageItems(image, edition);
    ProgramSummary summary;
    summary.main = summariseStoreImage(items.main);
    summary.bodySize = summary.main.imageSize;
    for (size_t i = 0; i < items.functions.size(); ++i) {
        summary.functions[i] = summariseStoreImage(items.functions[i]);
        summary.bodySize += summary.functions[i].imageSize;
    }
    for (size_t i = 0; i < items.threads.size(); ++i) {
        summary.threads[i] = summariseStoreImage(items.threads[i]);
        summary.bodySize += summary.threads[i].imageSize;
    }
    const RenameTable names = loadedNames(items.namesText, edition);
    summary.namedCount = names.namedCount();
    const size_t namesText = exportNames(names).size();
    if (namesText > 0) summary.bodySize += static_cast<std::uint32_t>(namesText + kStoreHeaderSize);
    return summary;
}

}  // namespace lumio
