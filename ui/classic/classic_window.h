#pragma once
// What the classic build's main window adds or replaces: its main menu (menu 132) and the listing's
// context menu (menu 155), with the commands only this build has: importing a block file at the
// selection or at the end, viewing the listing as text, line colours and adding before or after the
// selected line, the help menu's embedded documents, and the link's and the tools' entries of its menus.
#include "core/classic/embedded_documents.h"

namespace lumio {

class CMy1Dlg;

// Gives `window` the classic menus. Undo and redo stay as keys of the window.
void installClassicMenus(CMy1Dlg& window);

// 特殊添加: the modal statement editor for a new statement before (or after) the lowest selected line
// of the main list; with nothing selected, "您没有选择信息！" and nothing else.
void addBesideSelection(CMy1Dlg& window, bool before);

// 查看文本: the whole main program as its listing text in a modal window.
void showListingText(CMy1Dlg& window);
// 说明文档另存为 / 例程文件另存为: the embedded document saved where the user chooses.
void saveDocument(CMy1Dlg& window, EmbeddedDocument document);
// 升级记录: the change history in a read-only text window.
void showChangeHistory(CMy1Dlg& window);
// 测试工具: the relay test panel on the window's link, modal; the link's operation is the panel's while
// it is open and Idle after.
void runRelayTestPanel(CMy1Dlg& window);

}  // namespace lumio
