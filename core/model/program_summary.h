#pragma once
// What a program image or a store image holds once loaded (statement counts, sizes, names), found by
// walking its records one at a time instead of holding every statement: a check of the largest file
// needs no more memory than the file itself.
#include <array>
#include <cstdint>

#include "core/edition.h"
#include "core/model/program.h"
#include "core/text/bytes.h"

namespace lumio {

struct StoreSummary {
    size_t statements = 0;
    std::uint32_t imageSize = 0;  // the loaded store's imageSize(), which a save writes
};

// As readImage then count() and imageSize() would give.
StoreSummary summariseStoreImage(ByteView storeImage);

struct ProgramSummary {
    std::uint32_t bodySize = 0;  // programBodySize of the loaded program
    StoreSummary main;
    std::array<StoreSummary, kFunctionCount> functions;
    std::array<StoreSummary, kThreadCount> threads;
    size_t namedCount = 0;  // names.namedCount() of the loaded program
};

// As loadProgramImage then the matching questions would give.
ProgramSummary summariseProgramImage(ByteView image, Edition edition = Edition::Current);

}  // namespace lumio
