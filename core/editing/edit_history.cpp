#include "core/editing/edit_history.h"

namespace lumio {

ProgramStore* storeById(Program& program, int storeId, Edition edition) {
    const std::optional<StoreRef> store = StoreRef::fromId(storeId, edition);
    return store ? &program.store(*store) : nullptr;
}

bool EditHistory::foldIntoLast(EditStep& step) {
    if (step.group == 0 || position_ == 0 || position_ != steps_.size()) return false;
    EditStep& last = steps_.back();
    if (last.group != step.group || last.store != step.store) return false;
    if (step.namesBefore || last.namesBefore) return false;
    const SpanChange& next = step.change;
    SpanChange& previous = last.change;
    // The new change must lie inside what the previous one inserted.
    if (next.position < previous.position) return false;
    const size_t offset = next.position - previous.position;
    if (offset + next.removed.size() > previous.inserted.size()) return false;
    const auto at = previous.inserted.begin() + static_cast<std::ptrdiff_t>(offset);
    previous.inserted.erase(at, at + static_cast<std::ptrdiff_t>(next.removed.size()));
    previous.inserted.insert(previous.inserted.begin() + static_cast<std::ptrdiff_t>(offset), next.inserted.begin(),
                             next.inserted.end());
    // The saved state was the one before this fold: it can no longer be reached by undo and redo.
    if (clean_ == position_) clean_ = kUnreachable;
    return true;
}

bool EditHistory::record(EditStep step) {
    const bool namesChange = step.namesBefore && step.namesAfter && *step.namesBefore != *step.namesAfter;
    if (step.change.empty() && !namesChange) return false;
    if (!namesChange) {
        step.namesBefore.reset();
        step.namesAfter.reset();
    }
    if (foldIntoLast(step)) return true;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (clean_ != kUnreachable && clean_ > position_) clean_ = kUnreachable;
    steps_.push_back(std::move(step));
    ++position_;
    if (steps_.size() > limit_) {
        steps_.pop_front();
        --position_;
        if (clean_ != kUnreachable) clean_ = clean_ == 0 ? kUnreachable : clean_ - 1;
    }
    return true;
}

std::optional<EditStep> EditHistory::undo(Program& program) {
    if (!canUndo()) return std::nullopt;
    const EditStep& step = steps_[position_ - 1];
    revertChange(program.store(step.store), step.change);
    if (step.namesBefore) program.names = *step.namesBefore;
    --position_;
    return step;
}

std::optional<EditStep> EditHistory::redo(Program& program) {
    if (!canRedo()) return std::nullopt;
    const EditStep& step = steps_[position_];
    applyChange(program.store(step.store), step.change);
    if (step.namesAfter) program.names = *step.namesAfter;
    ++position_;
    return step;
}

void EditHistory::clear() {
    steps_.clear();
    position_ = 0;
    clean_ = 0;
}

}  // namespace lumio
