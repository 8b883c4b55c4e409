// The function and thread lists driven as a user drives them, with scripted answers to every
// question they ask.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/editing/statement_editor_session.h"
#include "core/lang/operands/naming.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"
#include "support/programs.h"
#include "support/scripted_prompter.h"
#include "ui/app/listing_font.h"
#include "ui/app/main_window.h"
#include "ui/app/statement_list.h"
#include "ui/app/window_placement.h"
#include "ui/dialogs/function_list_dialog.h"
#include "ui/dialogs/statement_editor_dialog.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

Statement commented(int number, const char* comment) {
    Statement statement = numberedStatement(number);
    statement.comment = toGbk(comment);
    return statement;
}

}  // namespace

class FunctionListTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMy1Dlg> window;
    Chanshu_dlg* functions = nullptr;
    ScriptedPrompter prompter;
    QTemporaryDir folder;

    Clist_command* list() { return functions->statementList(); }
    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    const ProgramStore& function(int number) const { return window->program().function(number); }
    void setFunction(int number, ProgramStore store) { setStore(window->document(), *StoreRef::function(number), std::move(store)); }
    QStringList nameLines(const Chanshu_dlg& dialog) {
        QStringList lines;
        for (int row = 0; row < dialog.nameList()->count(); ++row) lines << dialog.nameList()->item(row)->text();
        return lines;
    }
    QList<Prompt::Kind> kinds() const {
        QList<Prompt::Kind> result;
        for (const Prompt& prompt : prompter.prompts) result << prompt.kind;
        return result;
    }
    void click(int id) { QTest::mouseClick(functions->control(id), Qt::LeftButton); }
    // Function `number` holds `count` numbered statements; the list opens on it.
    void openOn(int number, int count) {
        setFunction(number, numberedStore(count));
        functions->open();
        QCOMPARE(functions->current(), number);
    }

private slots:
    void init() {
        prompter.reset();
        // The settings file of the test's own folder, never one the working directory happens to hold.
        window = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(folder.filePath("zt_lumio.ini")));
        window->setPrompter(&prompter);
        window->show();
        functions = new Chanshu_dlg(Chanshu_dlg::Mode::Functions, *window);
    }
    void cleanup() {
        QCOMPARE(prompter.unexpected, 0);
        QCOMPARE(prompter.pending(), size_t{0});
        markSaved(window->document());  // closing must not ask
        window.reset();
    }

    void opensOnTheFirstFunctionThatHoldsStatements() {
        functions->open();
        QCOMPARE(functions->current(), 1);
        QCOMPARE(functions->windowTitle(), u("函数列表"));
        QVERIFY(functions->isVisible());
        functions->hide();

        setFunction(5, numberedStore(2));
        setFunction(9, numberedStore(1));
        functions->open();
        QCOMPARE(functions->current(), 5);
        QCOMPARE(functions->storeId(), 5);
        QCOMPARE(functions->nameList()->currentRow(), 4);
        QCOMPARE(list()->count(), 2);
        QCOMPARE(list()->font().pixelSize(), listingFont().pixelSize());

        Chanshu_dlg threads(Chanshu_dlg::Mode::Threads, *window);
        setStore(window->document(), *StoreRef::thread(3), numberedStore(1));
        threads.open();
        QCOMPARE(threads.windowTitle(), u("线程列表"));
        QCOMPARE(threads.current(), 3);
        QCOMPARE(threads.storeId(), 503);
    }

    void menuEntriesOpenOneWindowEach() {
        auto entry = [&](const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); };
        QVERIFY(entry("actionFunctionList")->isEnabled());
        entry("actionFunctionList")->trigger();
        entry("actionFunctionList")->trigger();
        QCOMPARE(window->findChildren<Chanshu_dlg*>().size(), 1);
        QVERIFY(functions->isVisible());
        // The main window's statement editor listens: "添加" is offered.
        QVERIFY(functions->control(1052)->isEnabled());
        entry("actionThreadList")->trigger();
        auto* threads = window->findChild<Chanshu_dlg*>(QStringLiteral("threadList"));
        QVERIFY(threads && threads->isVisible());
        QCOMPARE(threads->windowTitle(), u("线程列表"));
        entry("actionThreadList")->trigger();
        QCOMPARE(window->findChildren<Chanshu_dlg*>().size(), 2);
        // The list opened second does not hide the first, and both stay on the screen.
        const QPoint apart = threads->pos() - functions->pos();
        QVERIFY2(std::abs(apart.x()) >= 40 || std::abs(apart.y()) >= 40,
                 qPrintable(QStringLiteral("%1,%2").arg(apart.x()).arg(apart.y())));
        const QRect screen = threads->screen()->availableGeometry();
        QVERIFY(screen.contains(threads->frameGeometry()));
        // Closing and opening again keeps the place.
        const QPoint place = threads->pos();
        threads->close();
        entry("actionThreadList")->trigger();
        QCOMPARE(threads->pos(), place);
        const struct {
            QPoint other;
            QPoint placed;
        } offsets[] = {{{100, 100}, {148, 148}}, {{300, 100}, {252, 148}}, {{0, 300}, {48, 252}}};
        const QRect available(0, 0, 1300, 900);
        for (const auto& item : offsets)
            QCOMPARE(offsetPlacement(item.other, QSize(1000, 640), QPoint(48, 48), available), item.placed);

        CMy1Dlg classic(Edition::Classic, nullptr, SettingsStore(folder.filePath("zt_lumio.ini")));
        QVERIFY(!classic.findChild<QAction*>(QStringLiteral("actionThreadList"))->isEnabled());
    }

    void menuListsWorkWithTheStatementEditor() {
        Cadd_in* editor = window->statementEditor();
        QVERIFY(editor && editor->isHidden());
        setFunction(4, numberedStore(3));
        window->findChild<QAction*>(QStringLiteral("actionFunctionList"))->trigger();
        QCOMPARE(functions->current(), 4);
        QVERIFY(functions->control(1052)->isEnabled());
        // A hidden editor ignores the selection; double-click shows it on the line in edit mode.
        list()->selectOnly(1);
        QVERIFY(editor->isHidden());
        const QRect line = list()->visualRect(list()->model()->index(2, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, line.center());
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->session().storeId(), 4);
        QCOMPARE(editor->session().index(), 2);
        QVERIFY(!editor->session().isNew());
        // 添加 and 确认: a new statement after the selected line, selected.
        click(1052);
        QVERIFY(editor->session().isNew());
        editor->accept();
        QCOMPARE(function(4).count(), size_t{4});
        QCOMPARE(list()->selectedLines(), (std::vector<int>{3}));
        QCOMPARE(nameLines(*functions)[3], u("函数4  √"));
    }

    void nameLinesCarryMarksAndUserNames() {
        setFunction(1, numberedStore(1));
        QCOMPARE(renameInDocument(window->document(), toGbk("函数2"), toGbk("泵控制")), std::string());
        functions->open();
        const QStringList lines = nameLines(*functions);
        QCOMPARE(lines.size(), 100);
        QCOMPARE(lines[0], u("函数1  √"));
        QCOMPARE(lines[1], u("泵控制  "));
        QCOMPARE(lines[99], u("函数100  "));

        Chanshu_dlg threads(Chanshu_dlg::Mode::Threads, *window);
        threads.open();
        QCOMPARE(nameLines(threads)[0], u("线程1  "));
    }

    void layoutFollowsTheSizeAndTheNameWidth() {
        functions->open();
        functions->resize(1100, 600);
        QTRY_COMPARE(functions->size(), QSize(1100, 600));
        const int narrow = functions->nameListWidth();
        QVERIFY(narrow >= Chanshu_dlg::kMinimumNameListWidth);
        for (const ListControlPlace& place : functionListLayout(functions->size(), narrow))
            QCOMPARE(functions->control(place.id)->geometry(), place.rect);
        QCOMPARE(functions->control(1054)->geometry(), QRect(360, 0, 120, 30));
        QCOMPARE(functions->control(1014)->geometry(), QRect(500, 0, 200, 30));
        QCOMPARE(list()->geometry(), QRect(narrow, 30, 1100 - narrow, 550));
        const struct {
            int id;
            const char* caption;
        } buttons[] = {{1050, "导入"}, {1051, "导出"}, {1052, "添加"}, {1007, "删除"}, {1054, "删除全部"}, {1015, "查找"}};
        for (const auto& button : buttons)
            QCOMPARE(qobject_cast<QPushButton*>(functions->control(button.id))->text(), u(button.caption));

        // A long user name widens the name list; the statement list moves right and narrows as much.
        QCOMPARE(renameInDocument(window->document(), toGbk("函数7"), toGbk("一个很长很长很长的函数名称")), std::string());
        functions->open();
        const int wide = functions->nameListWidth();
        QVERIFY(wide > narrow);
        QCOMPARE(functions->nameList()->width(), wide);
        QCOMPARE(list()->geometry(), QRect(wide, 30, 1100 - wide, 550));
    }

    void choosingANameShowsItsStatements() {
        setFunction(2, numberedStore(3));
        setFunction(4, numberedStore(5));
        functions->open();
        QCOMPARE(functions->current(), 2);
        functions->nameList()->setCurrentRow(3);
        QCOMPARE(functions->current(), 4);
        QCOMPARE(list()->count(), 5);
        functions->nameList()->setCurrentRow(0);
        QCOMPARE(functions->current(), 1);
        QCOMPARE(list()->count(), 0);
    }

    void editorFollowsTheListAndWritesBack() {
        openOn(6, 4);
        QSignalSpy requests(functions, &Chanshu_dlg::statementEditorRequested);
        functions->open();
        QVERIFY(functions->control(1052)->isEnabled());
        list()->selectOnly(2);
        QCOMPARE(functions->rememberedLine(), 2);
        QCOMPARE(requests.last(), (QVariantList{6, 2, false, false}));
        click(1052);
        QCOMPARE(requests.last(), (QVariantList{6, 2, true, true}));
        const QRect line = list()->visualRect(list()->model()->index(1, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(requests.last(), (QVariantList{6, 1, true, false}));

        // The editor writes back through the list. Add mode: after the highest selected line, which
        // becomes the new line.
        StatementEditorSession editor(window->document());
        editor.open(functions->shownStore(), functions->rememberedLine(), true, functions);
        editor.chooseAction(true);
        editor.chooseKind(0);
        editor.confirm();
        QCOMPARE(function(6).count(), size_t{5});
        QVERIFY(function(6)[2].isAction);
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
        QCOMPARE(requests.last(), (QVariantList{6, 1, true, false}));  // its own write-back loads nothing
        // Edit mode: every change replaces the selected line at once; all of them undo as one step.
        editor.open(functions->shownStore(), 2, false, functions);
        editor.editComment(toGbk("第一"));
        editor.applyEdit();
        editor.editComment(toGbk("第二"));
        editor.applyEdit();
        QCOMPARE(function(6)[2].comment, toGbk("第二"));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
        QCOMPARE(window->history().undoCount(), size_t{2});
        window->undo();
        QCOMPARE(function(6)[2].comment, std::string());
        window->undo();
        QCOMPARE(numbersOf(function(6)), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(list()->count(), 4);
        QVERIFY(window->isModified() == false);
    }

    void deleteAsksFirst() {
        openOn(3, 5);
        list()->selectionModel()->clearSelection();
        click(1007);
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, u("您没有选择信息！"));
        QCOMPARE(prompter.prompts[0].caption, u("注意："));

        list()->selectRange(0, 3);
        prompter.no();
        click(1007);
        QCOMPARE(prompter.prompts[1].text, u("确认要删除吗？"));
        QCOMPARE(prompter.prompts[1].caption, u("警告"));
        QCOMPARE(function(3).count(), size_t{5});

        prompter.yes();
        click(1007);
        QCOMPARE(numbersOf(function(3)), (QList<int>{4, 5}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{0}));

        // The Delete key on the list does the same; removing the last lines selects the line before.
        list()->setFocus();
        list()->selectOnly(1);
        prompter.yes();
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(numbersOf(function(3)), (QList<int>{4}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{0}));
        QCOMPARE(window->history().undoCount(), size_t{2});
        // Undo works from the list window's keys as well.
        functions->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(functions));
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(numbersOf(function(3)), (QList<int>{4, 5}));
        window->undo();
        QCOMPARE(function(3).count(), size_t{5});
        QTest::keyClick(list(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(numbersOf(function(3)), (QList<int>{4, 5}));
    }

    void deleteAllEmptiesTheShownFunctionOnly() {
        setFunction(2, numberedStore(2));
        openOn(1, 3);
        prompter.no();
        click(1054);
        QCOMPARE(function(1).count(), size_t{3});
        prompter.yes();
        click(1054);
        QCOMPARE(prompter.prompts.last().text, u("确认要删除全部信息吗？"));
        QCOMPARE(prompter.prompts.last().caption, u("警告"));
        QVERIFY(function(1).empty());
        QCOMPARE(function(2).count(), size_t{2});
        QCOMPARE(list()->count(), 0);
        QCOMPARE(nameLines(*functions)[0], u("函数1  "));
        QCOMPARE(nameLines(*functions)[1], u("函数2  √"));
        QVERIFY(window->isModified());
    }

    void importReplacesAndExportWritesBlockFiles() {
        openOn(3, 2);
        // A name without ".hs5" gets it: the file written is "three.hs5".
        prompter.file(path("three"));
        click(1051);
        QCOMPARE(prompter.prompts[0].kind, Prompt::SaveFile);
        QCOMPARE(prompter.prompts[0].text, QString());  // no filter
        QVERIFY(QFile::exists(path("three.hs5")));

        // An empty function exports as the 2-byte seal of an empty image.
        functions->nameList()->setCurrentRow(0);
        prompter.file(path("empty.hs5"));
        click(1051);
        QCOMPARE(QFileInfo(path("empty.hs5")).size(), 2);

        // Exporting over a file that the typed name did not show asks first.
        prompter.file(path("three")).no();
        click(1051);
        QCOMPARE(prompter.prompts.last().kind, Prompt::YesNo);

        // Importing into function 5 replaces what it held; ".hs5" is appended to the chosen path.
        setFunction(5, numberedStore(4, 40));
        functions->nameList()->setCurrentRow(4);
        prompter.file(path("three"));
        click(1050);
        QCOMPARE(numbersOf(function(5)), (QList<int>{1, 2}));
        QCOMPARE(list()->count(), 2);
        window->undo();
        QCOMPARE(numbersOf(function(5)), (QList<int>{40, 41, 42, 43}));

        // A refused file changes nothing and says why.
        QFile broken(path("broken.hs5"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("\x01\x02\x00\x00\x00\x10\x00\x05", 8));
        broken.close();
        prompter.file(path("broken.hs5"));
        click(1050);
        QCOMPARE(numbersOf(function(5)), (QList<int>{40, 41, 42, 43}));
        QCOMPARE(prompter.prompts.last().kind, Prompt::Inform);
    }

    void findRunsThroughTheFunctionsAndStartsOver() {
        setFunction(3, ProgramStore{{commented(1, "alpha"), commented(2, "beta"), commented(3, "alpha")}});
        setFunction(7, ProgramStore{{commented(4, "beta"), commented(5, "beta"), commented(6, "alpha")}});
        functions->open();
        functions->searchEdit()->setText(QStringLiteral("alpha"));
        const struct {
            int current;
            int line;
        } presses[] = {{3, 0}, {3, 2}, {7, 2}};
        for (const auto& press : presses) {
            click(1015);
            QCOMPARE(functions->current(), press.current);
            QCOMPARE(functions->rememberedLine(), press.line);
            QCOMPARE(list()->selectedLines(), (std::vector<int>{press.line}));
            QCOMPARE(functions->nameList()->currentRow(), press.current - 1);
        }
        // After the last match: one press without result or message, then from function 1 again.
        click(1015);
        QCOMPARE(functions->current(), 7);
        QCOMPARE(functions->searchPosition(), (StoreSearchPosition{1, -1}));
        click(1015);
        QCOMPARE(functions->current(), 3);
        QCOMPARE(functions->rememberedLine(), 0);
        QVERIFY(prompter.prompts.isEmpty());

        // F3 finds the next match as "查找" does, Ctrl+F goes to the search box; Enter and F2 on the
        // statement list edit the selected line.
        QSignalSpy requests(functions, &Chanshu_dlg::statementEditorRequested);
        QVERIFY(QTest::qWaitForWindowActive(functions));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_F3);
        QCOMPARE(functions->current(), 3);
        QCOMPARE(functions->rememberedLine(), 2);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_F2}) {
            requests.clear();
            QTest::keyClick(list(), key);
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests.last(), (QVariantList{3, 2, true, false}));
        }
        QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(functions->searchEdit()->hasFocus());
        QTest::keyClick(functions->searchEdit(), Qt::Key_F3);
        QCOMPARE(functions->current(), 7);
        click(1015);
        click(1015);
        QCOMPARE(functions->current(), 3);
        QCOMPARE(functions->rememberedLine(), 0);

        // An empty text does nothing; a new opening starts the search at the top again.
        click(1015);
        functions->searchEdit()->clear();
        click(1015);
        QCOMPARE(functions->searchPosition(), (StoreSearchPosition{3, 2}));
        functions->open();
        QCOMPARE(functions->searchPosition(), (StoreSearchPosition{1, -1}));
    }

    void keysAndContextMenuShareTheOneClipboard() {
        openOn(2, 4);
        list()->setFocus();
        list()->selectRange(1, 2);
        QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{2, 3}));
        list()->selectOnly(3);
        QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(numbersOf(function(2)), (QList<int>{1, 2, 3, 4, 2, 3}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{4, 5}));
        list()->selectOnly(0);
        QTest::keyClick(list(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(numbersOf(function(2)), (QList<int>{2, 3, 4, 2, 3}));
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{1}));

        // The main window pastes what the list copied.
        window->paste();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1}));

        QStringList entries;
        for (QAction* entry : functions->contextMenu()->actions())
            if (!entry->isSeparator()) entries << entry->text();
        QCOMPARE(functions->contextMenu()->title(), u("函数右键"));
        QCOMPARE(entries, (QStringList{u("剪切"), u("复制"), u("粘贴"), u("导入语句块")}));
        list()->selectOnly(1);
        functions->findChild<QAction*>(QStringLiteral("contextBlockPair"))->trigger();
        QCOMPARE(numbersOf(function(2)), (QList<int>{2, 3, -1, -2, 4, 2, 3}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
        // The main window's size text counts the functions.
        const QString size = u("程序大小：%1 字节").arg(programBodySize(window->program()));
        QCOMPARE(qobject_cast<QLabel*>(window->control(1013))->text(), size);
        // Every change was one step; undo takes them back in order.
        QCOMPARE(window->history().undoCount(), size_t{4});
    }

    void closingHidesAndKeepsTheState() {
        openOn(4, 3);
        list()->selectOnly(2);
        ProgramStore longer = function(4);
        longer.statements.push_back(numberedStatement(9));
        setFunction(4, longer);
        functions->close();
        QVERIFY(functions->isHidden());
        QCOMPARE(window->findChildren<Chanshu_dlg*>().size(), 1);
        QCOMPARE(functions->current(), 4);
        QCOMPARE(functions->rememberedLine(), 2);
        const QString size = u("程序大小：%1 字节").arg(programBodySize(window->program()));
        QCOMPARE(qobject_cast<QLabel*>(window->control(1013))->text(), size);
        functions->open();
        QVERIFY(functions->isVisible());
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
    }

    void undoInTheMainWindowShowsTheFunctionItChanged() {
        setFunction(2, numberedStore(2));
        openOn(2, 2);
        list()->selectOnly(0);
        prompter.yes();
        click(1007);
        functions->nameList()->setCurrentRow(8);
        QCOMPARE(functions->current(), 9);
        window->undo();
        QCOMPARE(functions->current(), 2);
        QCOMPARE(list()->count(), 2);
    }
};

QTEST_MAIN(FunctionListTest)
#include "function_list_test.moc"
