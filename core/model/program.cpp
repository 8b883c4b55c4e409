#include "core/model/program.h"

namespace lumio {

Program::Program() {
    for (int k = 1; k <= kFunctionCount; ++k) function(k).storeId = k;
    for (int k = 1; k <= kThreadCount; ++k) thread(k).storeId = kThreadIdBase + k;
}

void Program::clear() {
    main.clear();
    for (ProgramStore& store : functions) store.clear();
    for (ProgramStore& store : threads) store.clear();
    names.clear();
}

bool Program::empty() const {
    if (!main.empty()) return false;
    for (const ProgramStore& store : functions)
        if (!store.empty()) return false;
    for (const ProgramStore& store : threads)
        if (!store.empty()) return false;
    return names.namedCount() == 0;
}

}  // namespace lumio
