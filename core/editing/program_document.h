#pragma once
// The program being edited: the program, its one edit history, the file it belongs to and whether it
// differs from that file, plus the clipboard the lists share. The program is read through const
// access only; the one way to change it is `apply`, which changes a store (or the user names) and
// records the change in the history in one move, so the window, the statement editor, the function
// and thread lists and the naming dialogs never write behind each other's back. A listener (the
// window side's notifier) hears of every change.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/editing/edit_history.h"
#include "core/lang/context.h"
#include "core/model/program.h"
#include "core/model/store_ref.h"

namespace lumio {

// What changed, for the views to show it again.
struct DocumentChange {
    enum class Cause { Edit, Undo, Redo, Replaced };
    Cause cause = Cause::Edit;
    // The store that changed; nothing when the whole program was replaced.
    std::optional<StoreRef> store;
    // The span of the store the change covered, in lines after it.
    size_t position = 0;
    size_t lines = 0;
    // Only the text of line `position` changed: same line count, block structure and connectors.
    bool lineOnly = false;
    bool namesChanged = false;
};

class ProgramDocument {
public:
    explicit ProgramDocument(Edition edition = Edition::Current);

    Edition edition() const { return edition_; }
    const Program& program() const { return program_; }
    const ProgramStore& store(StoreRef ref) const { return ref.in(program_); }
    LangContext langContext() const { return {edition_, &program_.names}; }

    // Applies `step` to its store and the names and records it, in one move. A step that sets
    // `namesAfter` has `namesBefore` filled here. Returns false when it changed nothing (nothing is
    // recorded then) or names a store the edition does not have.
    bool apply(EditStep step);
    // Reverts or re-applies a step of the history and returns it, or nothing.
    std::optional<EditStep> undo();
    std::optional<EditStep> redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const EditHistory& history() const { return history_; }
    // A fresh group: steps applied under it that fall inside the previous one's span undo as one.
    std::uint64_t newGroup() { return history_.newGroup(); }

    // New and Open: `program` becomes the document's, the history is forgotten and the document is
    // clean, belonging to `path` (empty for none).
    void replace(Program program, std::filesystem::path path = {});
    const std::filesystem::path& path() const { return path_; }
    // The program as it is now was written to `path`.
    void markSaved(std::filesystem::path path);
    bool modified() const { return history_.modified(); }

    // The lists' clipboard: not part of the program and not in the history.
    const ProgramStore& clipboard() const { return clipboard_; }
    ProgramStore& clipboard() { return clipboard_; }

    using Listener = std::function<void(const DocumentChange&)>;
    void setListener(Listener listener) { listener_ = std::move(listener); }

private:
    void tell(DocumentChange::Cause cause, const EditStep& step);

    const Edition edition_;
    Program program_;
    EditHistory history_;
    std::filesystem::path path_;
    ProgramStore clipboard_;
    Listener listener_;
};

}  // namespace lumio
