#include "ui/classic/classic_window.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include "ui/app/colour_menu.h"
#include "ui/app/listing_source.h"
#include "ui/app/main_window.h"
#include "ui/app/menu_entries.h"
#include "ui/app/qt_text.h"
#include "ui/app/statement_list.h"
#include "ui/classic/embedded_document_file.h"
#include "ui/classic/listing_text_dialog.h"
#include "ui/classic/relay_test_panel.h"
#include "ui/link/link_panel.h"
#include "ui/tools/tool_windows.h"
#include "ui/dialogs/list_windows.h"
#include "ui/dialogs/statement_editor_wiring.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QMenu* topMenu(QMenuBar* bar, const char* caption, const char* name) {
    QMenu* menu = bar->addMenu(text(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void buildFileMenu(QMenuBar* bar, CMy1Dlg& window) {
    QMenu* file = topMenu(bar, "文件(&F)", "fileMenu");
    addEntry(file, "新建", "actionNew", &window, &CMy1Dlg::newProgram)->setShortcut(QKeySequence::New);
    addEntry(file, "打开", "actionOpen", &window, &CMy1Dlg::openProgram)->setShortcut(QKeySequence::Open);
    addEntry(file, "保存", "actionSave", &window, &CMy1Dlg::save)->setShortcut(QKeySequence::Save);
    addEntry(file, "另存", "actionSaveAs", &window, &CMy1Dlg::saveAs);
    file->addSeparator();
    QMenu* import = addSubmenu(file, "导入", "importMenu");
    addEntry(import, "导入到选择处", "actionImportAtSelection", &window, &CMy1Dlg::importBlockFile);
    addEntry(import, "导入到文件末尾", "actionImportAtEnd", &window, &CMy1Dlg::importBlockFileAtEnd);
    addEntry(file, "导出", "actionExport", &window, &CMy1Dlg::exportBlockFile);
    addCommand(file, "查看文本", "actionViewText", &window, [&window] { showListingText(window); });
    file->addSeparator();
    addEntry(file, "退出", "actionExit", &window, &CMy1Dlg::close);
}

void buildEditMenu(QMenuBar* bar, CMy1Dlg& window) {
    QMenu* edit = topMenu(bar, "编辑(&E)", "editMenu");
    addEntry(edit, "删除", "actionDelete", &window, &CMy1Dlg::deleteSelected);
    addEntry(edit, "删除全部", "actionDeleteAll", &window, &CMy1Dlg::deleteAll);
    edit->addSeparator();
    // The keys themselves belong to the list (they act only while it has the focus); the entries
    // show them.
    addEntry(edit, "剪切\tCtrl+x", "actionCut", &window, &CMy1Dlg::cut);
    addEntry(edit, "复制\tCtrl+c", "actionCopy", &window, &CMy1Dlg::copy);
    addEntry(edit, "粘贴\tCtrl+v", "actionPaste", &window, &CMy1Dlg::paste);
}

void buildSettingsMenu(QMenuBar* bar, CMy1Dlg& window) {
    QMenu* settings = topMenu(bar, "设置(&S)", "settingsMenu");
    addEntry(settings, "通讯设置", "actionComSettings", &window, &CMy1Dlg::openComSettings);
    addCommand(settings, "函数列表", "actionFunctionList", &window, [&window] { openFunctionList(window); });
    addCommand(settings, window.profile().namingEntry, "actionRename", &window, [&window] { openGlobalNaming(window); });
    addColourMenu(settings, "action", [&window](std::uint8_t code) { window.setLineColour(code); });
}

void buildToolsMenu(QMenuBar* bar, CMy1Dlg& window) {
    QMenu* tools = topMenu(bar, "工具(&T)", "toolsMenu");
    QMenu* special = addSubmenu(tools, "特殊添加", "specialAddMenu");
    addCommand(special, "添加到选中项之前", "actionAddBefore", &window, [&window] { addBesideSelection(window, true); });
    addCommand(special, "添加到选中项之后", "actionAddAfter", &window, [&window] { addBesideSelection(window, false); });
    // The link wires the wizard and the terminal (wireToolMenus).
    addDisabled(tools, "指令向导", "actionCommandWizard");
    addDisabled(tools, "调试助手", "actionDebugTerminal");
    addCommand(tools, "测试工具", "actionRelayTest", &window, [&window] { runRelayTestPanel(window); });
}

void buildLinkMenu(QMenuBar* bar) {
    QMenu* link = topMenu(bar, "通信(&C)", "linkMenu");
    // The link panel enables these by their names.
    addDeviceEntries(link, "写地址(上电10秒以内)");
    addDisabled(link, "读取网络信息", "actionNetworkInfo");
    addDisabled(link, "读取ID", "actionReadId");
}

void buildHelpMenu(QMenuBar* bar, CMy1Dlg& window) {
    QMenu* help = topMenu(bar, "帮助(&H)", "helpMenu");
    addCommand(help, "说明文档另存为", "actionSaveManual", &window,
               [&window] { saveDocument(window, EmbeddedDocument::Manual); });
    addCommand(help, "例程文件另存为", "actionSaveExamples", &window,
               [&window] { saveDocument(window, EmbeddedDocument::ExampleArchive); });
    addCommand(help, "升级记录", "actionChangeHistory", &window, [&window] { showChangeHistory(window); });
    // The About entry of the window menu on the system the editor first ran on lives here.
    help->addSeparator();
    addEntry(help, "关于 Lumio工具(&A)...", "actionAbout", &window, &CMy1Dlg::showAbout);
}

// Menu 155: the listing's context menu.
QMenu* buildContextMenu(CMy1Dlg& window) {
    auto* context = new QMenu(text("主程序右键"), &window);
    context->setObjectName(QStringLiteral("mainContextMenu"));
    addEntry(context, "剪切", "contextCut", &window, &CMy1Dlg::cut);
    addEntry(context, "复制", "contextCopy", &window, &CMy1Dlg::copy);
    addEntry(context, "粘贴", "contextPaste", &window, &CMy1Dlg::paste);
    addColourMenu(context, "context", [&window](std::uint8_t code) { window.setLineColour(code); });
    context->addSeparator();
    addEntry(context, "导入语句块", "contextBlockPair", &window, &CMy1Dlg::insertBlockPair);
    return context;
}

// Undo and redo have no entries in this build's menus; they stay on their keys.
void addHistoryKeys(CMy1Dlg& window) {
    auto key = [&window](const QList<QKeySequence>& keys, const char* name, void (CMy1Dlg::*handler)()) {
        auto* action = new QAction(&window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        QObject::connect(action, &QAction::triggered, &window, handler);
        window.addAction(action);
    };
    key({QKeySequence(Qt::CTRL | Qt::Key_Z)}, "keyUndo", &CMy1Dlg::undo);
    key({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, "keyRedo", &CMy1Dlg::redo);
}

}  // namespace

void installClassicMenus(CMy1Dlg& window) {
    auto* bar = new QMenuBar(&window);
    buildFileMenu(bar, window);
    buildEditMenu(bar, window);
    buildSettingsMenu(bar, window);
    buildToolsMenu(bar, window);
    buildLinkMenu(bar);
    buildHelpMenu(bar, window);
    window.replaceMenus(bar, buildContextMenu(window));
    addHistoryKeys(window);
    // The link and the tools serve the new entries.
    if (LinkPanel* panel = window.linkPanel()) panel->wireMenu();
    wireToolMenus(window);
}

void runRelayTestPanel(CMy1Dlg& window) {
    LinkPanel* panel = window.linkPanel();
    if (!panel) return;
    panel->followSettings();
    DeviceLink& link = panel->link();
    RelayTestPanel dialog([&link](const RelayPanelCommand& command) {
        link.sendRelayCommand(command.target, command.code, command.value);
    }, link.moduleAddress(), window.prompter(), &window);
    QObject::connect(&link, &DeviceLink::relayFrame, &dialog, &RelayTestPanel::receiveFrame);
    link.openRelayPanel();
    dialog.exec();
    link.closeRelayPanel();
}

void addBesideSelection(CMy1Dlg& window, bool before) {
    const int lowest = window.mainList()->lowestSelected();
    if (lowest < 0) {
        window.prompter().inform(text("您没有选择信息！"), text("注意："));
        return;
    }
    addMainStatementAt(window, static_cast<size_t>(before ? lowest : lowest + 1));
}

void showListingText(CMy1Dlg& window) {
    QStringList lines;
    for (const std::string& line : listingRows(window.program().main, window.langContext()).texts) lines << fromGbk(line);
    CListingTextDlg dialog(text("查看文本"), lines.join(QLatin1Char('\n')), &window);
    dialog.exec();
}

void saveDocument(CMy1Dlg& window, EmbeddedDocument document) {
    const EmbeddedDocumentSave save = embeddedDocumentSave(document);
    // The dialog starts on the proposed name in the last folder used.
    const QString proposed = QDir(window.lastFolder()).filePath(fromGbk(save.proposedName));
    const QString chosen = window.prompter().saveFileName(fileFilterFrom(fromGbk(save.filter)), proposed);
    if (chosen.isEmpty()) return;
    const auto saved = saveEmbeddedDocument(document, chosen);
    if (!saved) window.prompter().inform(saved.error(), text("错误"));
}

void showChangeHistory(CMy1Dlg& window) {
    CListingTextDlg dialog(text("升级记录"), changeHistoryText(), &window);
    dialog.setReadOnly(true);
    dialog.exec();
}

}  // namespace lumio
