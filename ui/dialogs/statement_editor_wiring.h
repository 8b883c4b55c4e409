#pragma once
// How the main window meets the statement editor. Where the edition's editor is live, it is created
// once, hidden, at start-up; 添加指令 opens it in add mode, a double click on a line in edit mode, and
// a selection change makes an open editor follow; its write-backs to the main program go through the
// window's edit history. Where the editor applies on OK, a modal editor is made for each use: 添加指令
// and a double click run it, a selection change does nothing, and Cancel leaves the program untouched.
#include <cstddef>
#include <optional>

#include "core/model/store_ref.h"

class QWidget;

namespace lumio {

class CMy1Dlg;
class Cadd_in;
class ProgramDocument;
class StatementListView;

// Wires the statement editor to `window`'s listing and buttons; returns the live editor, owned by the
// window, or null when the edition's editor is modal.
Cadd_in* attachStatementEditor(CMy1Dlg& window);

// Runs a modal editor over `parent` for a new statement of `store`, inserted on OK at `position`
// (nothing: after the highest selected line of `view`). True when confirmed.
bool addStatementModally(QWidget* parent, ProgramDocument& document, StoreRef store,
                         std::optional<size_t> position, StatementListView& view);
// Runs a modal editor over `parent` on a copy of statement `index` of `store`; on OK that statement is
// replaced, as one edit step. True when confirmed.
bool editStatementModally(QWidget* parent, ProgramDocument& document, StoreRef store, int index,
                          StatementListView& view);
// The modal editor for a new statement of the main program at `position`.
bool addMainStatementAt(CMy1Dlg& window, size_t position);

}  // namespace lumio
