// The classic build's main window: its menus, the modal statement editor, line colours, adding
// beside the selection, the listing as text, the two imports, and what it refuses on opening. The
// same binary builds current windows where the two editions must differ.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QComboBox>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"
#include "support/programs.h"
#include "support/scripted_prompter.h"
#include "ui/app/listing_model.h"
#include "ui/app/main_window.h"
#include "ui/app/statement_list.h"
#include "ui/classic/classic_window.h"
#include "ui/classic/listing_text_dialog.h"
#include "ui/dialogs/function_list_dialog.h"
#include "ui/dialogs/list_windows.h"
#include "ui/dialogs/naming_dialog.h"
#include "ui/dialogs/statement_editor_dialog.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

std::filesystem::path fsPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

// The captions of a menu's entries in order ("-" for a separator, "name>" for a submenu).
QStringList captions(const QMenu* menu) {
    QStringList shown;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            shown << QStringLiteral("-");
        else if (action->menu())
            shown << action->text() + QStringLiteral(">");
        else
            shown << action->text();
    }
    return shown;
}

// Runs `act` on the modal dialog of type `Dialog` once it is up; a dialog of another type is closed.
template <class Dialog>
void whenModal(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            act(*dialog);
        } else if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    });
}

// A program of the current edition whose image lies between the classic and the current limits.
Program programOfAbout300000Bytes() {
    ProgramStore function = numberedStore(500);
    for (Statement& statement : function.statements) statement.comment = std::string(60, 'c');
    Program program;
    for (int number = 1; number <= kFunctionCount && programBodySize(program) < 300000 - 40000; ++number)
        program.function(number) = function;
    return program;
}

}  // namespace

class ClassicWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMy1Dlg> window;
    ScriptedPrompter prompter;
    QTemporaryDir folder;

    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    Clist_command* list() { return window->mainList(); }
    const ProgramStore& mainStore() { return window->program().main; }
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    void trigger(const char* name) {
        QAction* found = action(name);
        QVERIFY2(found, name);
        found->trigger();
    }
    std::unique_ptr<CMy1Dlg> makeWindow(Edition edition) {
        auto made = std::make_unique<CMy1Dlg>(edition, nullptr, SettingsStore(folder.filePath(QStringLiteral("zt_lumio.ini"))));
        if (edition == Edition::Classic) installClassicMenus(*made);
        made->setPrompter(&prompter);
        return made;
    }

private slots:
    void init() {
        prompter.reset();
        window = makeWindow(Edition::Classic);
    }
    void cleanup() {
        QCOMPARE(prompter.unexpected, 0);
        markSaved(window->document());
        window.reset();
    }

    void titleAndMenusAreTheClassicOnes() {
        QVERIFY(window->windowTitle().startsWith(u("Lumio工具 V1.461")));
        QStringList top;
        for (const QAction* entry : window->menuBar()->actions()) top << entry->text();
        QCOMPARE(top, (QStringList{u("文件(&F)"), u("编辑(&E)"), u("设置(&S)"), u("工具(&T)"), u("通信(&C)"), u("帮助(&H)")}));
        const struct {
            const char* menu;
            QStringList entries;
        } menus[] = {
            {"fileMenu", {u("新建"), u("打开"), u("保存"), u("另存"), "-", u("导入>"), u("导出"), u("查看文本"), "-", u("退出")}},
            {"importMenu", {u("导入到选择处"), u("导入到文件末尾")}},
            {"editMenu", {u("删除"), u("删除全部"), "-", u("剪切\tCtrl+x"), u("复制\tCtrl+c"), u("粘贴\tCtrl+v")}},
            {"settingsMenu", {u("通讯设置"), u("函数列表"), u("重命名设置"), u("设置颜色>")}},
            {"actionColourMenu", {u("黑色（默认）"), u("蓝色"), u("红色"), u("绿色")}},
            {"toolsMenu", {u("特殊添加>"), u("指令向导"), u("调试助手"), u("测试工具")}},
            {"specialAddMenu", {u("添加到选中项之前"), u("添加到选中项之后")}},
            {"linkMenu", {u("读取全部"), u("写入全部"), u("写入后校验"), "-", u("校准时间"), u("读取模块时间"), u("设备加密"), u("设备解密"),
                          u("地址操作>"), u("读取硬件信息"), u("读取硬件信息2"), "-", u("读取网络信息"), u("读取ID")}},
            {"addressMenu", {u("读地址"), u("写地址(上电10秒以内)")}},
            {"helpMenu", {u("说明文档另存为"), u("例程文件另存为"), u("升级记录"), "-", u("关于 Lumio工具(&A)...")}},
            {"mainContextMenu", {u("剪切"), u("复制"), u("粘贴"), u("设置颜色>"), "-", u("导入语句块")}},
            {"contextColourMenu", {u("黑色（默认）"), u("蓝色"), u("红色"), u("绿色")}},
        };
        for (const auto& expected : menus) {
            const auto* menu = window->findChild<QMenu*>(QString::fromLatin1(expected.menu));
            QVERIFY2(menu, expected.menu);
            QCOMPARE(captions(menu), expected.entries);
        }
        QCOMPARE(window->contextMenu()->objectName(), QStringLiteral("mainContextMenu"));
        // No thread list and no firmware upgrade in this build.
        QVERIFY(!action("actionThreadList"));
        QVERIFY(!window->findChild<QMenu*>(QStringLiteral("firmwareMenu")));
    }

    void everyEntryWorks() {
        // No placeholder is left: every entry of the menu bar and its submenus is enabled.
        QStringList disabled;
        for (const QAction* entry : window->menuBar()->findChildren<QAction*>())
            if (!entry->isSeparator() && !entry->isEnabled()) disabled << entry->objectName();
        QVERIFY2(disabled.isEmpty(), qPrintable(disabled.join(QStringLiteral(", "))));
    }

    void functionListContextMenuColoursOnlyInClassic() {
        for (const Edition edition : {Edition::Classic, Edition::Current}) {
            auto shown = makeWindow(edition);
            setStore(shown->document(), *StoreRef::of(StoreKind::Function, 1), numberedStore(3));
            Chanshu_dlg& functions = openFunctionList(*shown);
            QStringList expected{u("剪切"), u("复制"), u("粘贴")};
            if (edition == Edition::Classic) expected << u("设置颜色>");
            expected << "-" << u("导入语句块");
            QCOMPARE(captions(functions.contextMenu()), expected);
            if (edition == Edition::Classic) {
                // The colour entries colour lines of the shown function.
                functions.findChild<Clist_command*>()->selectRange(1, 2);
                functions.findChild<QAction*>(QStringLiteral("contextColourRed"))->trigger();
                const ProgramStore& function = shown->program().function(1);
                QCOMPARE(function[0].colourCode, std::uint8_t{0});
                QCOMPARE(function[1].colourCode, std::uint8_t{1});
                QCOMPARE(function[2].colourCode, std::uint8_t{1});
            }
            markSaved(shown->document());
        }
    }

    void editionsDifferInEditorAndNaming() {
        auto current = makeWindow(Edition::Current);
        QVERIFY(current->statementEditor());
        QVERIFY(!window->statementEditor());
        Cmming_dlg& naming = openGlobalNaming(*window);
        QCOMPARE(naming.windowTitle(), u("重命名信息"));
        QVERIFY(!naming.findChild<QPushButton*>(QStringLiteral("viewLocalButton")));
        QVERIFY(openGlobalNaming(*current).findChild<QPushButton*>(QStringLiteral("viewLocalButton")));
        // A name that is a reserved system word: refused by the current build only.
        const std::string reserved = toGbk("输入5");
        QVERIFY(renameInDocument(window->document(), toGbk("全局整数1"), reserved).empty());
        QVERIFY(!renameInDocument(current->document(), toGbk("全局整数1"), reserved).empty());
    }

    void imageLimitAndThreadsOnOpening() {
        const QString large = path("large.zt5");
        QVERIFY(saveProgramFile(programOfAbout300000Bytes(), fsPath(large), Edition::Current).has_value());
        QVERIFY(QFileInfo(large).size() > 199999 && QFileInfo(large).size() < 499999);
        auto current = makeWindow(Edition::Current);
        QVERIFY(current->openDroppedFile(large));
        // Refused without a message, and the program stays as it was.
        QVERIFY(!window->openDroppedFile(large));
        QVERIFY(prompter.prompts.isEmpty());
        QVERIFY(window->currentPath().isEmpty());

        Program newer;
        newer.thread(3) = numberedStore(1, 30);
        newer.function(3) = numberedStore(1, 20);
        const QString mixed = path("threads.zt5");
        QVERIFY(saveProgramFile(newer, fsPath(mixed), Edition::Current).has_value());
        QVERIFY(window->openDroppedFile(mixed));
        const Program& opened = window->program();
        QCOMPARE(numbersOf(opened.function(3)), QList<int>{20});
        QVERIFY(opened.main.empty());
        for (int number = 1; number <= kFunctionCount; ++number)
            if (number != 3) QVERIFY(opened.function(number).empty());
        for (const ProgramStore& thread : opened.threads) QVERIFY(thread.empty());
    }

    void colourCodesAreSavedAndReopened() {
        setStore(window->document(), StoreRef::main(), numberedStore(4));
        list()->selectLines({1, 3});
        trigger("actionColourBlue");
        QCOMPARE(mainStore()[1].colourCode, std::uint8_t{4});
        QCOMPARE(mainStore()[3].colourCode, std::uint8_t{4});
        QCOMPARE(mainStore()[2].colourCode, std::uint8_t{0});
        QVERIFY(list()->selectedLines() == (std::vector<int>{1, 3}));
        QVERIFY(window->isModified());
        // One edit step, undone as one.
        window->undo();
        QCOMPARE(mainStore()[1].colourCode, std::uint8_t{0});
        window->redo();

        prompter.file(path("coloured.zt5"));
        QVERIFY(window->save());
        window->newProgram();
        QVERIFY(window->openDroppedFile(path("coloured.zt5")));
        const std::uint8_t codes[] = {0, 4, 0, 4};
        for (int line = 0; line < 4; ++line) {
            QCOMPARE(mainStore()[static_cast<size_t>(line)].colourCode, codes[line]);
            const QModelIndex row = list()->listing().index(line);
            QCOMPARE(row.data(ListingModel::ColourRole).toUInt(), codes[line] == 4 ? 0xFF0000u : 0u);
        }
        // The other colours by their codes; nothing selected changes nothing.
        const struct {
            const char* entry;
            std::uint8_t code;
        } colours[] = {{"contextColourRed", 1}, {"contextColourGreen", 2}, {"contextColourBlack", 0}};
        for (const auto& colour : colours) {
            list()->selectOnly(0);
            trigger(colour.entry);
            QCOMPARE(mainStore()[0].colourCode, colour.code);
        }
        list()->clearSelection();
        const size_t steps = window->history().undoCount();
        trigger("actionColourRed");
        QCOMPARE(window->history().undoCount(), steps);
    }

    void specialAddNeedsASelection() {
        setStore(window->document(), StoreRef::main(), numberedStore(3));
        list()->clearSelection();
        bool opened = false;
        whenModal<Cadd_in>([&opened](Cadd_in& editor) {
            opened = true;
            editor.reject();
        });
        trigger("actionAddBefore");
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, u("您没有选择信息！"));
        QCOMPARE(prompter.prompts[0].caption, u("注意："));
        QCOMPARE(numbersOf(mainStore()), (QList<int>{1, 2, 3}));
    }

    void specialAddAndAddInsertWhereTheyShould() {
        const struct {
            const char* entry;  // null: the 添加指令 button
            QList<int> selected;
            int insertedAt;
        } cases[] = {
            {"actionAddBefore", {1, 2}, 1},
            {"actionAddAfter", {1, 2}, 2},
            {"actionAddBefore", {0}, 0},
            {nullptr, {0, 1}, 2},
            {nullptr, {}, 3},
        };
        for (const auto& place : cases) {
            setStore(window->document(), StoreRef::main(), numberedStore(3, 10));
            list()->clearSelection();
            list()->selectLines(std::vector<int>(place.selected.begin(), place.selected.end()));
            whenModal<Cadd_in>([](Cadd_in& editor) {
                static_cast<QComboBox*>(editor.control(1039))->setCurrentIndex(0);
                static_cast<QPushButton*>(editor.control(1))->click();
            });
            if (place.entry)
                trigger(place.entry);
            else
                window->addStatementButton()->click();
            QCOMPARE(mainStore().count(), size_t{4});
            QList<int> kept = numbersOf(mainStore());
            kept.removeAt(place.insertedAt);
            QCOMPARE(kept, (QList<int>{10, 11, 12}));
            QCOMPARE(list()->highestSelected(), place.insertedAt);
            QCOMPARE(mainStore()[static_cast<size_t>(place.insertedAt)].kind(), 1);
            QVERIFY(window->isModified());
        }
    }

    void modalEditorAppliesOnlyOnOk() {
        setStore(window->document(), StoreRef::main(), numberedStore(3));
        const ProgramStore before = mainStore();
        for (const bool confirm : {false, true}) {
            list()->selectOnly(1);
            whenModal<Cadd_in>([confirm](Cadd_in& editor) {
                static_cast<QPlainTextEdit*>(editor.control(1037))->setPlainText(QStringLiteral("note"));
                static_cast<QComboBox*>(editor.control(1042))->setCurrentIndex(1);
                static_cast<QPushButton*>(editor.control(confirm ? 1 : 2))->click();
            });
            emit list()->editRequested();
            if (!confirm) {
                QVERIFY(!window->history().canUndo());
                QVERIFY(!window->isModified());
                QVERIFY(mainStore()[1].comment == before[1].comment);
                QCOMPARE(mainStore()[1].isAction, before[1].isAction);
            }
        }
        QVERIFY(mainStore()[1].comment == "note");
        QCOMPARE(mainStore()[1].isAction, std::uint8_t{1});
        // One step undoes the whole edit.
        window->undo();
        QVERIFY(mainStore()[1].comment == before[1].comment);
        QCOMPARE(mainStore()[1].isAction, before[1].isAction);
        QVERIFY(!window->history().canUndo());
        // A plain selection change opens nothing.
        bool opened = false;
        whenModal<Cadd_in>([&opened](Cadd_in& editor) {
            opened = true;
            editor.reject();
        });
        list()->selectOnly(2);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }

    void viewTextShowsTheListingAndChangesNothing() {
        setStore(window->document(), StoreRef::main(), numberedStore(3));
        QStringList shown;
        for (int line = 0; line < 3; ++line) shown << list()->listing().index(line).data().toString();
        QString seen;
        whenModal<CListingTextDlg>([&seen](CListingTextDlg& dialog) {
            seen = dialog.text();
            dialog.accept();
        });
        trigger("actionViewText");
        QCOMPARE(seen, shown.join(QLatin1Char('\n')));
        QVERIFY(!window->isModified());
    }

    void helpEntriesSaveTheEmbeddedDocuments() {
        const struct {
            const char* entry;
            const char* chosen;
            const char* written;
            const char* proposed;
            QByteArray magic;
        } documents[] = {
            {"actionSaveManual", "手册", "手册.pdf", "Lumio使用说明V1.0.pdf", "%PDF"},
            {"actionSaveManual", "again.pdf", "again.pdf", "Lumio使用说明V1.0.pdf", "%PDF"},
            {"actionSaveExamples", "例程", "例程.rar", "Lumio例程压缩包V1.0.rar", "Rar!"},
        };
        for (const auto& document : documents) {
            prompter.reset();
            prompter.file(path(document.chosen));
            trigger(document.entry);
            QCOMPARE(prompter.prompts.size(), 1);
            QCOMPARE(prompter.prompts[0].kind, Prompt::SaveFile);
            QVERIFY(prompter.prompts[0].caption.endsWith(u(document.proposed)));
            QFile written(path(document.written));
            QVERIFY2(written.open(QIODevice::ReadOnly), document.written);
            QVERIFY(written.read(4) == document.magic);
        }
        QString history;
        bool readOnly = false;
        whenModal<CListingTextDlg>([&](CListingTextDlg& dialog) {
            history = dialog.windowTitle();
            readOnly = dialog.findChild<QPlainTextEdit*>()->isReadOnly() && !dialog.text().isEmpty();
            dialog.reject();
        });
        trigger("actionChangeHistory");
        QCOMPARE(history, u("升级记录"));
        QVERIFY(readOnly);
    }

    void importsAtSelectionAndAtEnd() {
        const QString block = path("two.hs5");
        QVERIFY(saveBlockFile(numberedStore(2, 90), fsPath(block)).has_value());
        const struct {
            const char* entry;
            int start;  // statements before, -1 for none selected
            int selected;
            QList<int> after;
        } cases[] = {
            {"actionImportAtEnd", 3, 0, {1, 2, 3, 90, 91}},
            {"actionImportAtEnd", 0, -1, {90, 91}},
            {"actionImportAtSelection", 3, 1, {1, 2, 90, 91, 3}},
            {"actionImportAtSelection", 3, -1, {1, 90, 91, 2, 3}},
        };
        for (const auto& import : cases) {
            setStore(window->document(), StoreRef::main(), numberedStore(import.start));
            list()->clearSelection();
            if (import.selected >= 0) list()->selectOnly(import.selected);
            prompter.file(block);
            trigger(import.entry);
            QCOMPARE(numbersOf(mainStore()), import.after);
        }
    }
};

QTEST_MAIN(ClassicWindowTest)
#include "classic_window_test.moc"
