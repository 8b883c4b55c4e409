// The statement editor as the main window uses it: add, edit, follow the selection, undo, examples.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "core/lang/actions/action_text.h"
#include "support/programs.h"
#include "support/scripted_prompter.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_text.h"
#include "ui/app/statement_list.h"
#include "ui/app/typed_text.h"
#include "ui/dialogs/function_list_dialog.h"
#include "ui/dialogs/list_windows.h"
#include "tests/support/statements.h"
#include "ui/dialogs/statement_editor_dialog.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

Statement action(int kind, int p1, int p2, const char* param3 = "") {
    return testing::actionStatement(kind, p1, p2, param3);
}

}  // namespace

class StatementEditorWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CMy1Dlg> window;
    ScriptedPrompter prompter;
    QTemporaryDir folder;

    Clist_command* list() { return window->mainList(); }
    Cadd_in* editor() { return window->statementEditor(); }
    QComboBox* combo(int id) { return qobject_cast<QComboBox*>(editor()->control(id)); }
    QString line(int row) { return list()->model()->index(row, 0).data().toString(); }
    void load(std::vector<Statement> statements) {
        setStore(window->document(), StoreRef::main(), ProgramStore{std::move(statements)});
    }
    void doubleClick(int row) {
        list()->selectOnly(row);
        const QRect rect = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void init() {
        prompter.reset();
        window = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(folder.filePath("zt_lumio.ini")));
        window->setPrompter(&prompter);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        markSaved(window->document());
        window.reset();
    }

    void editorIsCreatedHidden() {
        QVERIFY(editor());
        QVERIFY(editor()->isHidden());
        QCOMPARE(editor()->parentWidget(), window.get());
    }

    void addButtonInsertsAfterTheSelectedLine() {
        QTest::mouseClick(window->control(1006), Qt::LeftButton);
        QVERIFY(editor()->isVisible());
        combo(1042)->setCurrentIndex(1);
        combo(1039)->setCurrentIndex(11);  // 表达式
        combo(1040)->setCurrentIndex(1);   // 块开始
        QTest::mouseClick(editor()->control(1), Qt::LeftButton);
        QVERIFY(editor()->isHidden());
        QCOMPARE(list()->count(), 1);
        QCOMPARE(line(0), u("1    {"));
        QCOMPARE(list()->highestSelected(), 0);

        // A second statement goes after the selected line and is selected.
        QTest::mouseClick(window->control(1006), Qt::LeftButton);
        combo(1042)->setCurrentIndex(1);
        combo(1039)->setCurrentIndex(11);
        combo(1040)->setCurrentIndex(2);  // 块结束
        QTest::mouseClick(editor()->control(1), Qt::LeftButton);
        QCOMPARE(list()->count(), 2);
        QCOMPARE(line(1), u("     }"));
        QCOMPARE(list()->highestSelected(), 1);
        QVERIFY(window->isModified());
    }

    void editModeUpdatesTheListingOnEveryKeystroke() {
        load({action(4, 1, 1, "0"), action(4, 2, 1, "0")});
        doubleClick(1);
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->session().index(), 1);
        QLineEdit* param3 = combo(1025)->lineEdit();
        param3->selectAll();
        QTest::keyClick(param3, Qt::Key_7);
        QCOMPARE(line(1), u("     整数1 = 7"));
        QTest::keyClick(param3, Qt::Key_8);
        QCOMPARE(line(1), u("     整数1 = 78"));
        QCOMPARE(list()->highestSelected(), 1);
        // The text keeps what was typed (the write-back does not reload the editor).
        QCOMPARE(param3->text(), QStringLiteral("78"));
        QCOMPARE(window->history().undoCount(), size_t{1});
        window->undo();
        QCOMPARE(line(1), u("     整数1 = 0"));
        // The open editor shows the line as undo left it, so the next keystroke starts from there.
        QCOMPARE(param3->text(), QStringLiteral("0"));
        QTest::keyClick(param3, Qt::Key_End);
        QTest::keyClick(param3, Qt::Key_5);
        QCOMPARE(line(1), u("     整数1 = 5"));  // 05 reads as the number 5
    }

    // A character GBK cannot hold is stored as '?' and named in a note beside the field; nothing modal.
    void replacedCharactersAreNamedBesideTheField() {
        load({action(4, 1, 1, "0")});
        doubleClick(0);
        QLineEdit* param3 = combo(1025)->lineEdit();
        param3->selectAll();
        QInputMethodEvent typed;
        typed.setCommitString(u("7•"));
        QApplication::sendEvent(param3, &typed);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), replacedCharacterNote(u("•")));
        QToolTip::hideText();

        auto* comment = qobject_cast<QPlainTextEdit*>(editor()->control(1037));
        comment->setPlainText(u("备注😀"));
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), replacedCharacterNote(u("😀")));
        QCOMPARE(toUtf8(editor()->session().statement().comment), std::string("备注?"));
        QCOMPARE(prompter.prompts.size(), 0);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        // Text GBK holds shows no note.
        comment->setPlainText(u("备注"));
        QVERIFY(!QToolTip::isVisible());
    }

    void openEditorFollowsTheSelection() {
        load({action(4, 1, 1, "1"), action(4, 2, 1, "2")});
        list()->selectOnly(0);
        QVERIFY(editor()->isHidden());
        doubleClick(0);
        QCOMPARE(combo(1025)->currentText(), QStringLiteral("1"));
        list()->selectOnly(1);
        QCOMPARE(editor()->session().index(), 1);
        QCOMPARE(combo(1025)->currentText(), QStringLiteral("2"));
        QVERIFY(!editor()->session().isNew());
    }

    void functionListAddsAndEditsThroughTheSameEditor() {
        Chanshu_dlg& functions = openFunctionList(*window);
        QVERIFY(functions.control(1052)->isEnabled());
        QTest::mouseClick(functions.control(1052), Qt::LeftButton);
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->session().storeId(), functions.storeId());
        combo(1042)->setCurrentIndex(1);
        combo(1039)->setCurrentIndex(3);  // 整数
        combo(1025)->lineEdit()->setText(QStringLiteral("5"));
        QTest::mouseClick(editor()->control(1), Qt::LeftButton);
        const ProgramStore& function = window->program().function(functions.current());
        QCOMPARE(function.count(), size_t{1});
        QCOMPARE(function[0], action(4, 1, 1, "5"));
        QVERIFY(window->program().main.empty());
        window->undo();
        QVERIFY(window->program().function(functions.current()).empty());
    }

    void examplesInsertAfterTheSelectionAsOneStep() {
        load({action(4, 1, 1, "1"), action(4, 2, 1, "2")});
        list()->selectOnly(0);
        window->findChild<QAction*>(QStringLiteral("exampleJog"))->trigger();
        QCOMPARE(window->program().main.count(), size_t{6});
        QCOMPARE(line(1), u("2    如果  输入1 闭合       备注:点动：输入1闭合时输出1闭合"));
        QCOMPARE(list()->lowestSelected(), 1);
        QCOMPARE(list()->highestSelected(), 4);
        window->undo();
        QCOMPARE(window->program().main.count(), size_t{2});
    }
};

QTEST_MAIN(StatementEditorWindowTest)
#include "statement_editor_window_test.moc"
