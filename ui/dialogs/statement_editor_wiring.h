#pragma once
// How the main window meets the statement editor: the editor is created once, hidden, at start-up;
// 添加指令 opens it in add mode, a double click on a line in edit mode, and a selection change makes
// an open editor follow; its write-backs to the main program go through the window's edit history.

namespace lumio {

class CMy1Dlg;
class Cadd_in;

// Creates the hidden editor owned by `window` and wires it to the window's listing and buttons.
Cadd_in* attachStatementEditor(CMy1Dlg& window);

}  // namespace lumio
