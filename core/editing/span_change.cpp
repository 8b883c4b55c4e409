#include "core/editing/span_change.h"

#include <algorithm>

namespace lumio {
namespace {

void replaceSpan(ProgramStore& store, size_t position, size_t removeCount, const std::vector<Statement>& insert) {
    auto& statements = store.statements;
    position = std::min(position, statements.size());
    removeCount = std::min(removeCount, statements.size() - position);
    const auto at = statements.begin() + static_cast<std::ptrdiff_t>(position);
    statements.erase(at, at + static_cast<std::ptrdiff_t>(removeCount));
    statements.insert(statements.begin() + static_cast<std::ptrdiff_t>(position), insert.begin(), insert.end());
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
