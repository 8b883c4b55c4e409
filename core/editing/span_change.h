#pragma once
// One contiguous change of a store: the statements that stood at [position, position + removed)
// were replaced by `inserted`. Every edit of a store can be told this way; block depths are derived
// and recomputed after applying, so they carry no meaning here.
#include <cstddef>
#include <vector>

#include "core/model/program_store.h"

namespace lumio {

struct SpanChange {
    size_t position = 0;
    std::vector<Statement> removed;
    std::vector<Statement> inserted;

    bool empty() const { return removed.empty() && inserted.empty(); }
};

// Runs `edit` on the store, which must change nothing outside [first, last) of the statements as
// they are before it, and returns the change it made.
template <class Edit>
SpanChange recordSpan(ProgramStore& store, size_t first, size_t last, Edit&& edit) {
    SpanChange change;
    change.position = first;
    const auto begin = store.statements.begin();
    change.removed.assign(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(last));
    const size_t countBefore = store.count();
    edit(store);
    const size_t insertedCount = store.count() + (last - first) - countBefore;
    const auto after = store.statements.begin() + static_cast<std::ptrdiff_t>(first);
    change.inserted.assign(after, after + static_cast<std::ptrdiff_t>(insertedCount));
    return change;
}

// Whether replacing `before` by `after` changes only that statement's own listing line: the line
// count stays, and so do the rule numbers, the connector words of the next line and every depth.
bool changesOnlyItsLine(const Statement& before, const Statement& after);

// Replaces `removed` by `inserted` at `position` (redo), or the reverse (undo), and recomputes depths.
void applyChange(ProgramStore& store, const SpanChange& change);
void revertChange(ProgramStore& store, const SpanChange& change);

}  // namespace lumio
