#pragma once
// The one undo/redo history of a program. Every change of the program made by the main window, the
// statement editor or the function and thread lists is recorded here as a step, so none of them
// writes to a store behind the others' back and undo reverses changes in the order they were made.
//
// A step is one contiguous change of one store, optionally with the user names before and after. Steps recorded with the same non-zero group that fall inside the
// span the previous step left are folded into it: the statement editor, which applies every change
// of the statement it edits at once, records them under one group and the user undoes the whole edit
// of that statement in one step.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/editing/span_change.h"
#include "core/model/program.h"

namespace lumio {

// The store of a program with the given StoreImage id in `edition`; null when the edition has none.
ProgramStore* storeById(Program& program, int storeId, Edition edition = Edition::Current);

struct EditStep {
    StoreRef store;
    SpanChange change;
    std::optional<RenameTable> namesBefore;  // set with namesAfter when the step changes the user names
    std::optional<RenameTable> namesAfter;
    std::uint64_t group = 0;  // 0: never folded
};

class EditHistory {
public:
    static constexpr size_t kDefaultLimit = 1000;
    explicit EditHistory(size_t limit = kDefaultLimit) : limit_(limit) {}

    // Records a change already made to the program (the program document applies and records in
    // one move). Discards the steps that could be redone. Steps that change nothing are not recorded;
    // returns whether the step was kept.
    bool record(EditStep step);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    // Reverts the last step and returns it (its change tells what the store held before), or nothing.
    std::optional<EditStep> undo(Program& program);
    // Applies the next step again and returns it, or nothing.
    std::optional<EditStep> redo(Program& program);

    // A fresh group for a series of changes that undo as one step.
    std::uint64_t newGroup() { return ++lastGroup_; }

    // The program as it is now is the one saved (or loaded); `modified` is true whenever undo and redo
    // have taken it elsewhere.
    void markClean() { clean_ = position_; }
    bool modified() const { return clean_ != position_; }
    // Forgets every step (New, Open); the program as it is counts as clean.
    void clear();

    size_t undoCount() const { return position_; }
    size_t redoCount() const { return steps_.size() - position_; }

private:
    bool foldIntoLast(EditStep& step);

    static constexpr size_t kUnreachable = static_cast<size_t>(-1);
    std::deque<EditStep> steps_;
    size_t position_ = 0;  // steps before it are done, steps from it on can be redone
    size_t clean_ = 0;
    size_t limit_;
    std::uint64_t lastGroup_ = 0;
};

}  // namespace lumio
