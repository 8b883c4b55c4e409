// The statement editor as a user drives it: lists, add and edit mode, the remote-learn hook.
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "core/lang/actions/action_text.h"
#include "core/text/gbk.h"
#include "tests/support/recording_list_view.h"
#include "tests/support/statements.h"
#include "ui/dialogs/statement_editor_dialog.h"

using namespace lumio;

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

Statement action(int kind, int p1, int p2, const char* param3 = "") {
    return testing::actionStatement(kind, p1, p2, param3);
}

}  // namespace

class StatementEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        document_ = std::make_unique<ProgramDocument>();
        list_ = std::make_unique<testing::RecordingListView>();
        editor_ = std::make_unique<Cadd_in>(*document_);
        editor_->setListView(Cadd_in::Lists::Main, list_.get());
    }
    void cleanup() { editor_.reset(); }

    void controlsInOrderWithTheirLabels() {
        QCOMPARE(editor_->windowTitle(), text("编辑指令"));
        QVERIFY(editor_->isHidden());
        const char* labels[] = {"条件/结果:", "类型:", "参数1:", "参数2:", "参数3:", "备注:"};
        const int buddies[] = {1042, 1039, 1040, 1041, 1025, 1037};
        for (int i = 0; i < 6; ++i) {
            QLabel* found = nullptr;
            for (QLabel* label : editor_->findChildren<QLabel*>())
                if (label->text() == text(labels[i])) found = label;
            QVERIFY2(found, labels[i]);
            QCOMPARE(found->buddy(), editor_->control(buddies[i]));
        }
        auto* choice = qobject_cast<QComboBox*>(editor_->control(1042));
        QCOMPARE(choice->count(), 2);
        QCOMPARE(choice->itemText(0), text("输入条件"));
        QCOMPARE(choice->itemText(1), text("输出结果"));
        QCOMPARE(qobject_cast<QCheckBox*>(editor_->control(1036))->text(), text("与上条逻辑或"));
        QCOMPARE(qobject_cast<QPushButton*>(editor_->control(1))->text(), text("确认"));
        QCOMPARE(qobject_cast<QPushButton*>(editor_->control(2))->text(), text("取消"));
        QVERIFY(qobject_cast<QComboBox*>(editor_->control(1025))->isEditable());
    }

    void hiddenEditorIgnoresSelectionChanges() {
        load({action(4, 1, 1, "0")});
        editor_->openStatementEditor(StoreRef::main(), 0, false, false);
        QVERIFY(editor_->isHidden());
        QCOMPARE(editor_->session().statement().kind(), 0);
    }

    void addModeAppendsABlockBeginToAnEmptyProgram() {
        editor_->openStatementEditor(StoreRef::main(), -1, true, true);
        QVERIFY(editor_->isVisible());
        QVERIFY(editor_->control(1036)->isVisible());
        auto* kinds = qobject_cast<QComboBox*>(editor_->control(1039));
        QCOMPARE(kinds->count(), 18);
        QCOMPARE(kinds->currentIndex(), -1);
        qobject_cast<QComboBox*>(editor_->control(1042))->setCurrentIndex(1);
        QVERIFY(!editor_->control(1036)->isVisible());
        QCOMPARE(kinds->count(), 20);
        kinds->setCurrentIndex(11);
        auto* param1 = qobject_cast<QComboBox*>(editor_->control(1040));
        QCOMPARE(param1->currentIndex(), 0);
        param1->setCurrentIndex(1);
        QVERIFY(program().main.empty());
        QTest::mouseClick(editor_->control(1), Qt::LeftButton);
        QVERIFY(editor_->isHidden());
        QCOMPARE(program().main.count(), size_t{1});
        QCOMPARE(QString::fromStdString(actionText(program().main[0], {})), QStringLiteral("{"));
        QCOMPARE(list_->selected, 0);
    }

    void editModeWritesEachKeystrokeAsOneUndoStep() {
        load({action(4, 1, 1, "0")});
        list_->selected = 0;
        editor_->openStatementEditor(StoreRef::main(), 0, true, false);
        auto* param3 = qobject_cast<QComboBox*>(editor_->control(1025));
        QCOMPARE(param3->currentText(), QStringLiteral("0"));
        param3->lineEdit()->selectAll();
        QTest::keyClicks(param3->lineEdit(), QStringLiteral("12"));
        QCOMPARE(program().main[0], action(4, 1, 1, "12"));
        QCOMPARE(list_->updates.size(), size_t{2});
        qobject_cast<QPlainTextEdit*>(editor_->control(1037))->insertPlainText(text("计数"));
        // Cancel keeps what was written; the comment was not written back by itself.
        QTest::mouseClick(editor_->control(2), Qt::LeftButton);
        QVERIFY(editor_->isHidden());
        QCOMPARE(program().main[0], action(4, 1, 1, "12"));
        QCOMPARE(document_->history().undoCount(), size_t{1});
        document_->undo();
        QCOMPARE(program().main[0], action(4, 1, 1, "0"));
    }

    void kindChangeClearsTheCommentField() {
        Statement statement = action(4, 1, 1, "3");
        statement.comment = toGbk("旧备注");
        load({statement});
        list_->selected = 0;
        editor_->openStatementEditor(StoreRef::main(), 0, true, false);
        auto* comment = qobject_cast<QPlainTextEdit*>(editor_->control(1037));
        QCOMPARE(comment->toPlainText(), text("旧备注"));
        qobject_cast<QComboBox*>(editor_->control(1039))->setCurrentIndex(4);
        QVERIFY(comment->toPlainText().isEmpty());
        QVERIFY(program().main[0].comment.empty());
    }

    void focusOnParam3AsksForARemoteCode() {
        load({action(19, 3, 1)});
        list_->selected = 0;
        editor_->openStatementEditor(StoreRef::main(), 0, true, false);
        QSignalSpy requests(editor_.get(), &Cadd_in::remoteLearnRequested);
        auto* param3 = qobject_cast<QComboBox*>(editor_->control(1025));
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(param3->lineEdit(), &focusIn);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).value<RemoteLearn>(), RemoteLearn::Radio);
        const Statement before = program().main[0];
        editor_->learnedCodeArrived(QByteArray("\x01\x02\xFE", 3));
        QCOMPARE(param3->currentText(), QStringLiteral("{01 02 FE}"));
        QCOMPARE(program().main[0], before);
    }

    void closeBoxHidesAndKeepsTheEditor() {
        editor_->openStatementEditor(StoreRef::main(), -1, true, true);
        editor_->close();
        QVERIFY(editor_->isHidden());
        editor_->openStatementEditor(StoreRef::main(), -1, true, true);
        QVERIFY(editor_->isVisible());
    }

private:
    const Program& program() const { return document_->program(); }
    void load(std::vector<Statement> statements) {
        Program program;
        program.main.statements = std::move(statements);
        program.main.recomputeDepths();
        document_->replace(std::move(program));
    }

    std::unique_ptr<ProgramDocument> document_;
    std::unique_ptr<testing::RecordingListView> list_;
    std::unique_ptr<Cadd_in> editor_;
};

QTEST_MAIN(StatementEditorTest)
#include "statement_editor_test.moc"
