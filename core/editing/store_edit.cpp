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

}  // namespace

void copySelection(const std::vector<int>& selection, const ProgramStore& store, ProgramStore& clipboard) {
    clipboard.clear();
    for (size_t line : validSelection(selection, store.count())) clipboard.statements.push_back(store[line]);
    clipboard.recomputeDepths();
}

SpanChange pasteClipboard(ProgramStore& store, const ProgramStore& clipboard, int highest, size_t lines) {
    if (clipboard.empty()) return {};
    const size_t wanted = lines > 0 ? static_cast<size_t>(highest + 1) : 0;
    const size_t position = std::min(store.count(), wanted);
    // The clipboard may be this very store: copy before inserting.
    const std::vector<Statement> copies = clipboard.statements;
    return recordSpan(store, position, position, [&](ProgramStore& target) {
        size_t at = position;
        for (const Statement& statement : copies) target.insertBefore(at++, statement);
        target.recomputeDepths();
    });
}

SpanChange deleteSelection(ProgramStore& store, const std::vector<int>& selection) {
    const std::vector<size_t> lines = validSelection(selection, store.count());
    if (lines.empty()) return {};
    return recordSpan(store, lines.front(), lines.back() + 1, [&](ProgramStore& target) {
        // Highest first, so the lower indices stay valid.
        for (auto line = lines.rbegin(); line != lines.rend(); ++line) target.removeAt(*line);
    });
}

SpanChange deleteAll(ProgramStore& store) {
    if (store.empty()) return {};
    return recordSpan(store, 0, store.count(), [](ProgramStore& target) { target.clear(); });
}

SpanChange insertBlockPair(ProgramStore& store, int highest) {
    const size_t position = store.empty() ? 0 : static_cast<size_t>(std::max(highest, 0)) + 1;
    const size_t first = std::min(position, store.count());
    return recordSpan(store, first, first, [&](ProgramStore& target) {
        target.insertAfter(static_cast<size_t>(std::max(highest, 0)), blockMarker(kBlockBeginParam));
        target.insertAfter(highest < 0 ? 1 : static_cast<size_t>(highest) + 1, blockMarker(kBlockEndParam));
    });
}

SpanChange insertStoreAfter(ProgramStore& store, const ProgramStore& other, size_t index) {
    if (other.empty()) return {};
    const size_t position = (store.empty() || index >= store.count()) ? store.count() : index + 1;
    return recordSpan(store, position, position,
                      [&](ProgramStore& target) { target.insertStoreAfter(other, index); });
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
