// The main menu and the listing's context menu of CMy1Dlg. Entries whose features have not been
// built are present and disabled. The menus carry the letters of the usual Alt routes ("文件(&F)").
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "core/editing/example_programs.h"
#include "ui/app/main_window.h"
#include "ui/app/menu_entries.h"
#include "ui/app/qt_text.h"
#include "ui/dialogs/list_windows.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

void CMy1Dlg::buildMenus() {
    QMenuBar* bar = menuBar();
    // Keyboard routes: Alt with the letter of a menu opens it, F10 opens the first one; the arrow keys
    // and Enter then reach every entry.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("actionMenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, bar, [bar] { bar->setActiveAction(bar->actions().constFirst()); });

    QMenu* file = bar->addMenu(text("文件(&F)"));
    file->setObjectName(QStringLiteral("fileMenu"));
    addEntry(file, "新建", "actionNew", this, &CMy1Dlg::newProgram)->setShortcut(QKeySequence::New);
    addEntry(file, "打开", "actionOpen", this, &CMy1Dlg::openProgram)->setShortcut(QKeySequence::Open);
    addEntry(file, "保存", "actionSave", this, &CMy1Dlg::save)->setShortcut(QKeySequence::Save);
    addEntry(file, "另存", "actionSaveAs", this, &CMy1Dlg::saveAs);
    file->addSeparator();
    addEntry(file, "导入", "actionImport", this, &CMy1Dlg::importBlockFile);
    addEntry(file, "导出", "actionExport", this, &CMy1Dlg::exportBlockFile);
    addEntry(file, "导入文本", "actionImportText", this, &CMy1Dlg::importProgramText);
    addEntry(file, "导出文本", "actionExportText", this, &CMy1Dlg::exportProgramText);
    file->addSeparator();
    addEntry(file, "打印", "actionPrint", this, &CMy1Dlg::printProgram)->setShortcut(QKeySequence::Print);
    addEntry(file, "导出PDF", "actionExportPdf", this, &CMy1Dlg::exportPdf);
    file->addSeparator();
    addEntry(file, "退出", "actionExit", this, &CMy1Dlg::close);

    QMenu* edit = bar->addMenu(text("编辑(&E)"));
    edit->setObjectName(QStringLiteral("editMenu"));
    undoAction_ = addEntry(edit, "撤销", "actionUndo", this, &CMy1Dlg::undo);
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = addEntry(edit, "重做", "actionRedo", this, &CMy1Dlg::redo);
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    addEntry(edit, "删除", "actionDelete", this, &CMy1Dlg::deleteSelected);
    addEntry(edit, "删除全部", "actionDeleteAll", this, &CMy1Dlg::deleteAll);
    edit->addSeparator();
    addEntry(edit, "剪切", "actionCut", this, &CMy1Dlg::cut);
    addEntry(edit, "复制", "actionCopy", this, &CMy1Dlg::copy);
    addEntry(edit, "粘贴", "actionPaste", this, &CMy1Dlg::paste);

    QMenu* settings = bar->addMenu(text("设置(&S)"));
    settings->setObjectName(QStringLiteral("settingsMenu"));
    addEntry(settings, "通讯设置", "actionComSettings", this, &CMy1Dlg::openComSettings);
    addCommand(settings, "函数列表", "actionFunctionList", this, [this] { openFunctionList(*this); });
    // Only the current edition has threads.
    addCommand(settings, "线程列表", "actionThreadList", this, [this] { openThreadList(*this); })
        ->setEnabled(profile().hasThreads);
    addCommand(settings, profile().namingEntry, "actionRename", this, [this] { openGlobalNaming(*this); });

    QMenu* tools = bar->addMenu(text("工具(&T)"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    addDisabled(tools, "指令向导", "actionCommandWizard");
    addDisabled(tools, "调试助手", "actionDebugTerminal");

    QMenu* link = bar->addMenu(text("通信(&C)"));
    link->setObjectName(QStringLiteral("linkMenu"));
    addDeviceEntries(link, "写地址");
    QMenu* firmware = addSubmenu(link, "固件升级", "firmwareMenu");
    addDisabled(firmware, "固件升级", "actionFirmwareUpgrade");
    addDisabled(firmware, "固件升级_115200", "actionFirmwareUpgrade115200");

    // The About entry of the window menu on the system the editor first ran on lives under 帮助 here.
    QMenu* help = bar->addMenu(text("帮助(&H)"));
    help->setObjectName(QStringLiteral("helpMenu"));
    addEntry(help, "关于 Lumio工具(&A)...", "actionAbout", this, &CMy1Dlg::showAbout);
}

void CMy1Dlg::buildContextMenu() {
    // Menu 143, popup "主程序右键".
    contextMenu_ = new QMenu(text("主程序右键"), this);
    contextMenu_->setObjectName(QStringLiteral("mainContextMenu"));
    addEntry(contextMenu_, "剪切", "contextCut", this, &CMy1Dlg::cut);
    addEntry(contextMenu_, "复制", "contextCopy", this, &CMy1Dlg::copy);
    addEntry(contextMenu_, "粘贴", "contextPaste", this, &CMy1Dlg::paste);
    contextMenu_->addSeparator();
    QMenu* examples = addSubmenu(contextMenu_, "导入示例程序", "examplesMenu");
    const struct {
        ExampleProgram example;
        QMenu* menu;
        const char* name;
    } entries[] = {
        {ExampleProgram::InputSendsData, examples, "exampleSendData"},
        {ExampleProgram::InputJogsOutput, examples, "exampleJog"},
        {ExampleProgram::InputLatchesOutput, examples, "exampleLatch"},
        {ExampleProgram::PacketSendsData, nullptr, "examplePortSend"},
    };
    QMenu* packets = nullptr;
    for (const auto& entry : entries) {
        QMenu* menu = entry.menu;
        if (!menu) {
            if (!packets) packets = addSubmenu(examples, "临时数据包相关程序", "examplePacketsMenu");
            menu = packets;
        }
        QAction* action = menu->addAction(fromGbk(exampleProgramName(entry.example)));
        action->setObjectName(QString::fromLatin1(entry.name));
        const ExampleProgram example = entry.example;
        connect(action, &QAction::triggered, this, [this, example] { insertExample(example); });
    }
    QMenu* file = addSubmenu(contextMenu_, "文件", "contextFileMenu");
    addEntry(file, "打开文件", "contextOpen", this, &CMy1Dlg::openProgram);
    addEntry(file, "导入函数文件", "contextImport", this, &CMy1Dlg::importBlockFile);
    contextMenu_->addSeparator();
    addEntry(contextMenu_, "导入语句块", "contextBlockPair", this, &CMy1Dlg::insertBlockPair);
}

void CMy1Dlg::replaceMenus(QMenuBar* bar, QMenu* context) {
    // The undo and redo entries go with the old bar.
    undoAction_ = nullptr;
    redoAction_ = nullptr;
    // The old bar goes now, not later: its entries must not be found by name any more.
    const QPointer<QMenuBar> old = menuBar();
    setMenuBar(bar);
    delete old.data();
    // F10 opens the first menu of the bar now shown.
    if (auto* menuKey = findChild<QAction*>(QStringLiteral("actionMenuKey"), Qt::FindDirectChildrenOnly))
        connect(menuKey, &QAction::triggered, bar, [bar] { bar->setActiveAction(bar->actions().constFirst()); });
    delete contextMenu_;
    contextMenu_ = context;
    contextMenu_->setParent(this, contextMenu_->windowFlags());
}

void CMy1Dlg::updateEditActions() {
    if (undoAction_) undoAction_->setEnabled(document_.canUndo());
    if (redoAction_) redoAction_->setEnabled(document_.canRedo());
}

}  // namespace lumio
