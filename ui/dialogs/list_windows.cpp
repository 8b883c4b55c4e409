#include "ui/dialogs/list_windows.h"

#include <QScreen>

#include "ui/app/main_window.h"
#include "ui/app/window_placement.h"
#include "ui/dialogs/function_list_dialog.h"
#include "ui/dialogs/naming_dialog.h"
#include "ui/dialogs/statement_editor_dialog.h"

namespace lumio {
namespace {

// Lets the main window's statement editor (when there is one) write back through the list and
// follow its selection.
void attachStatementEditor(CMy1Dlg& mainWindow, Chanshu_dlg& list) {
    static const char* const attached = "statementEditorAttached";
    if (list.property(attached).toBool()) return;
    auto* editor = mainWindow.findChild<Cadd_in*>(QStringLiteral("Cadd_in"), Qt::FindDirectChildrenOnly);
    if (!editor) return;
    list.setProperty(attached, true);
    editor->setListView(list.kind(), &list);
    QObject::connect(&list, &Chanshu_dlg::statementEditorRequested, editor,
                     [editor, &mainWindow](int storeId, int line, bool show, bool addMode) {
                         if (const auto store = StoreRef::fromId(storeId, mainWindow.edition()))
                             editor->openStatementEditor(*store, line, show, addMode);
                     });
}

QString listName(Chanshu_dlg::Mode mode) {
    return mode == Chanshu_dlg::Mode::Functions ? QStringLiteral("functionList") : QStringLiteral("threadList");
}

// Both lists would open centred over the main window, one hiding the other: the one opened while the
// other is shown opens offset from it, and keeps that place.
void placeBesideOtherList(CMy1Dlg& mainWindow, Chanshu_dlg& list) {
    static constexpr QPoint kOffset(48, 48);
    const auto other = list.mode() == Chanshu_dlg::Mode::Functions ? Chanshu_dlg::Mode::Threads : Chanshu_dlg::Mode::Functions;
    const auto* shown = mainWindow.findChild<Chanshu_dlg*>(listName(other), Qt::FindDirectChildrenOnly);
    if (!shown || !shown->isVisible() || !list.screen()) return;
    const QSize frame = shown->frameGeometry().size() - shown->size();
    list.move(offsetPlacement(shown->pos(), list.size() + frame, kOffset, list.screen()->availableGeometry()));
}

Chanshu_dlg& listWindow(CMy1Dlg& mainWindow, Chanshu_dlg::Mode mode) {
    auto* list = mainWindow.findChild<Chanshu_dlg*>(listName(mode), Qt::FindDirectChildrenOnly);
    if (!list) list = new Chanshu_dlg(mode, mainWindow);
    if (!list->isVisible() && !list->testAttribute(Qt::WA_Moved)) placeBesideOtherList(mainWindow, *list);
    attachStatementEditor(mainWindow, *list);
    list->open();
    return *list;
}

}  // namespace

Chanshu_dlg& openFunctionList(CMy1Dlg& mainWindow) { return listWindow(mainWindow, Chanshu_dlg::Mode::Functions); }
Chanshu_dlg& openThreadList(CMy1Dlg& mainWindow) { return listWindow(mainWindow, Chanshu_dlg::Mode::Threads); }

Cmming_dlg& openGlobalNaming(CMy1Dlg& mainWindow) {
    auto* naming = mainWindow.findChild<Cmming_dlg*>(QStringLiteral("Cmming_dlg"), Qt::FindDirectChildrenOnly);
    if (!naming) naming = new Cmming_dlg(mainWindow);
    naming->open();
    return *naming;
}

}  // namespace lumio
