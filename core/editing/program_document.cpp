#include "core/editing/program_document.h"

#include <algorithm>

namespace lumio {
ProgramDocument::ProgramDocument(Edition edition) : edition_(edition) {}

bool ProgramDocument::apply(EditStep step) {
    if (!step.store.existsIn(edition_)) return false;
    if (step.namesAfter) step.namesBefore = program_.names;
    ProgramStore& target = program_.store(step.store);
    // The span removed is what the store holds there now, whatever the caller computed it from.
    const size_t position = std::min(step.change.position, target.count());
    const size_t removed = std::min(step.change.removed.size(), target.count() - position);
    step.change.position = position;
    step.change.removed.assign(target.statements.begin() + static_cast<std::ptrdiff_t>(position),
                               target.statements.begin() + static_cast<std::ptrdiff_t>(position + removed));
    if (!history_.record(step)) return false;
    if (!step.change.empty()) applyChange(target, step.change);
    if (step.namesAfter) program_.names = *step.namesAfter;
    tell(DocumentChange::Cause::Edit, step);
    return true;
}

std::optional<EditStep> ProgramDocument::undo() {
    std::optional<EditStep> step = history_.undo(program_);
    if (step) tell(DocumentChange::Cause::Undo, *step);
    return step;
}

std::optional<EditStep> ProgramDocument::redo() {
    std::optional<EditStep> step = history_.redo(program_);
    if (step) tell(DocumentChange::Cause::Redo, *step);
    return step;
}

void ProgramDocument::replace(Program program, std::filesystem::path path) {
    program_ = std::move(program);
    path_ = std::move(path);
    history_.clear();
    if (listener_) listener_({DocumentChange::Cause::Replaced, std::nullopt, 0, 0, false, true});
}

void ProgramDocument::markSaved(std::filesystem::path path) {
    path_ = std::move(path);
    history_.markClean();
}

void ProgramDocument::tell(DocumentChange::Cause cause, const EditStep& step) {
    if (!listener_) return;
    const SpanChange& change = step.change;
    const auto& now = cause == DocumentChange::Cause::Undo ? change.removed : change.inserted;
    const auto& before = cause == DocumentChange::Cause::Undo ? change.inserted : change.removed;
    DocumentChange told;
    told.cause = cause;
    told.store = step.store;
    told.position = change.position;
    told.lines = now.size();
    told.lineOnly = now.size() == 1 && before.size() == 1 && changesOnlyItsLine(before.front(), now.front());
    told.namesChanged = step.namesBefore.has_value();
    listener_(told);
}

}  // namespace lumio
