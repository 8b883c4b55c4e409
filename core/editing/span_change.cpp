#include "core/editing/span_change.h"

#include <algorithm>

namespace lumio {
namespace {

void replaceSpan(ProgramStore& store, size_t position, size_t removeCount, const std::vector<Statement>& insert) {
    auto& statements = store.statements;
    position = std::min(position, statements.size());
    removeCount = std::min(removeCount, statements.size() - position);
    // Overwrite what both spans share in place, so replacing one line moves no other.
    const size_t shared = std::min(removeCount, insert.size());
    const auto at = statements.begin() + static_cast<std::ptrdiff_t>(position);
    std::copy(insert.begin(), insert.begin() + static_cast<std::ptrdiff_t>(shared), at);
    const auto rest = at + static_cast<std::ptrdiff_t>(shared);
    if (removeCount > shared)
        statements.erase(rest, rest + static_cast<std::ptrdiff_t>(removeCount - shared));
    else
        statements.insert(rest, insert.begin() + static_cast<std::ptrdiff_t>(shared), insert.end());
    store.recomputeDepths();
}

}  // namespace

bool changesOnlyItsLine(const Statement& before, const Statement& after) {
    return before.isAction == after.isAction && before.isBlockBegin() == after.isBlockBegin() &&
           before.isBlockEnd() == after.isBlockEnd();
}

void applyChange(ProgramStore& store, const SpanChange& change) {
    replaceSpan(store, change.position, change.removed.size(), change.inserted);
}

void revertChange(ProgramStore& store, const SpanChange& change) {
    replaceSpan(store, change.position, change.inserted.size(), change.removed);
}

}  // namespace lumio
