#include "core/editing/store_edit.h"

#include <algorithm>

namespace lumio {
namespace {

// The selected lines that name statements of a store of `count`, ascending, each once.
std::vector<size_t> validSelection(const std::vector<int>& selection, size_t count) {
    std::vector<size_t> lines;
    for (int line : selection)
        if (line >= 0 && static_cast<size_t>(line) < count) lines.push_back(static_cast<size_t>(line));
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

Statement blockMarker(std::uint8_t param1) {
    Statement marker;
    marker.isAction = 1;
    marker.setKind(kBlockActionKind);
    marker.setParam1(param1);
    return marker;
}

// Applies `change` to the store and gives it back with the depths the store now holds.
SpanChange applied(ProgramStore& store, SpanChange change) {
    if (change.empty()) return change;
    applyChange(store, change);
    const auto first = store.statements.begin() + static_cast<std::ptrdiff_t>(change.position);
    change.inserted.assign(first, first + static_cast<std::ptrdiff_t>(change.inserted.size()));
    return change;
}

std::vector<Statement> slice(const ProgramStore& store, size_t first, size_t last) {
    const auto begin = store.statements.begin();
    return {begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(last)};
}

}  // namespace

SpanChange pasteChange(const ProgramStore& store, const ProgramStore& clipboard, int highest, size_t lines) {
    if (clipboard.empty()) return {};
    const size_t wanted = lines > 0 ? static_cast<size_t>(highest + 1) : 0;
    return {std::min(store.count(), wanted), {}, clipboard.statements};
}

SpanChange deleteSelectionChange(const ProgramStore& store, const std::vector<int>& selection) {
    const std::vector<size_t> lines = validSelection(selection, store.count());
    if (lines.empty()) return {};
    SpanChange change{lines.front(), slice(store, lines.front(), lines.back() + 1), {}};
    // The unselected lines between the first and the last selected one stay.
    size_t next = 0;
    for (size_t line = lines.front(); line <= lines.back(); ++line) {
        if (next < lines.size() && lines[next] == line)
            ++next;
        else
            change.inserted.push_back(store[line]);
    }
    return change;
}

SpanChange deleteAllChange(const ProgramStore& store) {
    if (store.empty()) return {};
    return {0, store.statements, {}};
}

SpanChange blockPairChange(const ProgramStore& store, int highest) {
    const size_t position = store.empty() ? 0 : static_cast<size_t>(std::max(highest, 0)) + 1;
    return {std::min(position, store.count()), {}, {blockMarker(kBlockBeginParam), blockMarker(kBlockEndParam)}};
}

SpanChange insertStoreChange(const ProgramStore& store, const ProgramStore& other, size_t index) {
    if (other.empty()) return {};
    const size_t position = (store.empty() || index >= store.count()) ? store.count() : index + 1;
    return {position, {}, other.statements};
}

SpanChange replaceAllChange(const ProgramStore& store, std::vector<Statement> statements) {
    return {0, store.statements, std::move(statements)};
}

SpanChange replaceLineChange(const ProgramStore& store, size_t index, Statement statement) {
    if (index >= store.count()) return {};
    return {index, {store[index]}, {std::move(statement)}};
}

SpanChange insertLineChange(const ProgramStore& store, size_t position, Statement statement) {
    return {std::min(position, store.count()), {}, {std::move(statement)}};
}

void copySelection(const std::vector<int>& selection, const ProgramStore& store, ProgramStore& clipboard) {
    clipboard.clear();
    for (size_t line : validSelection(selection, store.count())) clipboard.statements.push_back(store[line]);
    clipboard.recomputeDepths();
}

SpanChange pasteClipboard(ProgramStore& store, const ProgramStore& clipboard, int highest, size_t lines) {
    return applied(store, pasteChange(store, clipboard, highest, lines));
}

SpanChange deleteSelection(ProgramStore& store, const std::vector<int>& selection) {
    return applied(store, deleteSelectionChange(store, selection));
}

SpanChange deleteAll(ProgramStore& store) { return applied(store, deleteAllChange(store)); }

SpanChange insertBlockPair(ProgramStore& store, int highest) { return applied(store, blockPairChange(store, highest)); }

SpanChange insertStoreAfter(ProgramStore& store, const ProgramStore& other, size_t index) {
    return applied(store, insertStoreChange(store, other, index));
}

int lineAfterDelete(int lowest, size_t remaining) {
    if (lowest > 0) return lowest - 1;
    if (lowest == 0 && remaining > 0) return 0;
    return -1;
}

int findNextLine(const std::vector<std::string>& lines, std::string_view text, int position) {
    auto search = [&](size_t from) -> int {
        for (size_t line = from; line < lines.size(); ++line)
            if (lines[line].find(text) != std::string::npos) return static_cast<int>(line);
        return -1;
    };
    if (position >= 0) {
        const int found = search(static_cast<size_t>(position) + 1);
        if (found >= 0) return found;
    }
    return search(0);
}

}  // namespace lumio
