#pragma once
// The edit commands of a statement list, once for the main window's listing and the function and
// thread lists: cut, copy, paste, delete (asking first), delete all, block pair, inserting or
// replacing with a block, and writing a block file. Each computes its change from the store as the
// document holds it and applies it through the document; the list is shown again by the document's
// notifier, and the command then sets the selection and the top line.
#include <QString>
#include <functional>
#include <optional>

#include "core/editing/program_document.h"

namespace lumio {

class Clist_command;
class Prompter;

class ListController {
public:
    using StoreOf = std::function<StoreRef()>;
    using PrompterOf = std::function<Prompter&()>;
    // Also answers the list's delete, cut, copy and paste keys.
    ListController(ProgramDocument& document, Clist_command& list, StoreOf store, PrompterOf prompter);

    void cut();
    void copy();
    void paste();
    void deleteSelected();
    void deleteAll();
    void insertBlockPair();
    // Inserts `statements` after the caret line (line 0 when nothing is selected) and selects them.
    void insertAtCaret(const ProgramStore& statements);
    // Replaces the whole store with `statements`.
    void replaceAll(const ProgramStore& statements);

    // Reads a block file, telling the user why when it is refused.
    std::optional<ProgramStore> readBlock(const QString& path);
    // Writes the store as a block file to `path` (".hs5" appended when missing), asking first when its
    // image is too large to import again; false when not written.
    bool writeBlock(const QString& path);

private:
    StoreRef store() const { return store_(); }
    const ProgramStore& shown() const { return document_.store(store_()); }
    bool apply(SpanChange change);
    void removeSelected(int topLine, int lowest);

    ProgramDocument& document_;
    Clist_command& list_;
    StoreOf store_;
    PrompterOf prompter_;
};

}  // namespace lumio
