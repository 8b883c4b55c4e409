#include "ui/dialogs/list_windows.h"

#include "ui/app/main_window.h"
#include "ui/dialogs/function_list_dialog.h"
#include "ui/dialogs/naming_dialog.h"

namespace lumio {
namespace {

Chanshu_dlg& listWindow(CMy1Dlg& mainWindow, Chanshu_dlg::Mode mode) {
    const QString name = mode == Chanshu_dlg::Mode::Functions ? QStringLiteral("functionList") : QStringLiteral("threadList");
    auto* list = mainWindow.findChild<Chanshu_dlg*>(name, Qt::FindDirectChildrenOnly);
    if (!list) list = new Chanshu_dlg(mode, mainWindow);
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
