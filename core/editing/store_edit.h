#pragma once
// Edit operations on a store driven by a list's selection: copy, paste, delete, block pair, import.
// The `...Change` functions only compute the span an operation would change, for the program document
// to apply and record in one move; the others apply it to a store of their own and return it.
// Selections are line indices of the list showing the store, in any order; indices past the store are
// ignored.
#include <string>
#include <string_view>
#include <vector>

#include "core/editing/span_change.h"
#include "core/model/program_store.h"

namespace lumio {

// The changes the operations below make, computed without touching the store.
SpanChange pasteChange(const ProgramStore& store, const ProgramStore& clipboard, int highest, size_t lines);
SpanChange deleteSelectionChange(const ProgramStore& store, const std::vector<int>& selection);
SpanChange deleteAllChange(const ProgramStore& store);
SpanChange blockPairChange(const ProgramStore& store, int highest);
SpanChange insertStoreChange(const ProgramStore& store, const ProgramStore& other, size_t index);
// The whole content of the store replaced by `statements` (a block file imported into a function).
SpanChange replaceAllChange(const ProgramStore& store, std::vector<Statement> statements);
// Statement `index` replaced by `statement`; inserting `statement` at `position` (count appends).
SpanChange replaceLineChange(const ProgramStore& store, size_t index, Statement statement);
SpanChange insertLineChange(const ProgramStore& store, size_t position, Statement statement);

// Empties the clipboard, then copies store[i] for every selected i in ascending order.
void copySelection(const std::vector<int>& selection, const ProgramStore& store, ProgramStore& clipboard);

// Inserts the clipboard's statements, in order, at min(count, lines > 0 ? highest + 1 : 0), where
// `highest` is the highest selected line (-1 for none) and `lines` the number of lines in the list.
// The clipboard stays as it is. Nothing happens when it is empty.
SpanChange pasteClipboard(ProgramStore& store, const ProgramStore& clipboard, int highest, size_t lines);

// Removes the selected statements.
SpanChange deleteSelection(ProgramStore& store, const std::vector<int>& selection);

// Removes every statement.
SpanChange deleteAll(ProgramStore& store);

// Inserts a block begin (action 12, param1 2) and a block end (action 12, param1 3) after the highest
// selected line; with nothing selected after line 0, so in a store of lines they land at 1 and 2, and
// in an empty store they are appended. The change's position is the block-begin line.
SpanChange insertBlockPair(ProgramStore& store, int highest);

// Copies every statement of `other` so that they stand contiguously after `index` (appended when
// the store is empty or the index lies beyond it).
SpanChange insertStoreAfter(ProgramStore& store, const ProgramStore& other, size_t index);

// The line to select after deleting a selection whose lowest line was `lowest`: the line before it,
// or line 0 when the first line went and lines remain; -1 for none.
int lineAfterDelete(int lowest, size_t remaining);

// Find next in the listing: the first line after `position` whose text contains `text` as a byte
// substring; when `position` is negative or nothing follows it, the first such line from the top.
// -1 when no line contains it. An empty text is contained in every line.
int findNextLine(const std::vector<std::string>& lines, std::string_view text, int position);

}  // namespace lumio
