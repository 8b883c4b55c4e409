// The main window's link controls, menu and dialogs against lumio-board-sim as a real process.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/model/program_image.h"
#include "tests/e2e/sim_process.h"
#include "tests/e2e/window_support.h"
#include "tests/ui/support/programs.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_store.h"
#include "ui/app/statement_list.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/report_dialog.h"
#include "ui/dialogs/statement_editor_dialog.h"
#include "ui/link/link_panel.h"

using namespace lumio;
using namespace lumio::testing;
using lumio::test::SimProcess;
using lumio::test::whenModalShown;
using lumio::test::writeFile;

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class WindowE2eTest : public lumio::test::WindowTestBase {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void communicationMenuEntriesAndIds();
    void writeAllAsksFirstThenWritesAndVerifies();
    void readAllReplacesTheProgramAsOneUndoStep();
    void writeAllWithTheSerialPortClosedAsksToOpenIt();
    void serialPortOverThePseudoTerminal();
    void settingsDialogOkConnectsAndDisconnects();
    void passwordDialogModes();
    void lockAndUnlockThroughThePasswordDialog();
    void reportsOpenInTheInformationDialog();
    void noAnswerIsANoteInTheStatusLine();
    void learnedCodeReachesTheStatementEditor();

private:
    // A window whose settings file points it at the simulator over TCP (or serial: its pty).
    void openWindow(bool network);
    QPushButton* button(int id) const { return qobject_cast<QPushButton*>(window_->control(id)); }
    bool connectNetwork();
    bool informed(const QString& message) const;
    bool waitInformed(const QString& message, int milliseconds = 20000) const;
};

void WindowE2eTest::init() { makeParts(); }

void WindowE2eTest::cleanup() { clearParts(); }

void WindowE2eTest::openWindow(bool network) {
    const QString settings = QStringLiteral("[canshu_v2]\r\ncom_or_tcp=%1\r\nsocket_port=%2\r\nip=127.0.0.1\r\n"
                                            "btl_num=9\r\ncom_device=%3\r\n")
                                 .arg(network ? 1 : 0)
                                 .arg(sim_->tcpPort())
                                 .arg(sim_->ptyPath());
    QVERIFY(writeFile(path("zt_lumio.ini"), settings.toUtf8()));
    window_ = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(path("zt_lumio.ini")));
    window_->setPrompter(prompter_.get());
}

bool WindowE2eTest::connectNetwork() { return test::connectNetwork(*window_); }

bool WindowE2eTest::informed(const QString& message) const { return test::informed(*prompter_, message); }

bool WindowE2eTest::waitInformed(const QString& message, int milliseconds) const {
    return test::waitInformed(*prompter_, message, milliseconds);
}

void WindowE2eTest::communicationMenuEntriesAndIds() {
    QVERIFY(sim_->start());
    openWindow(true);
    const struct {
        const char* name;
        int id;
    } entries[] = {{"actionReadAll", 32848},     {"actionWriteAll", 32849},     {"actionSetClock", 32850},
                   {"actionReadClock", 32851},   {"actionLock", 32852},         {"actionUnlock", 32853},
                   {"actionReadAddress", 32856}, {"actionWriteAddress", 32857}, {"actionHardwareInfo", 32858},
                   {"actionHardwareInfo2", 32859}};
    for (const auto& entry : entries) {
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(entry.name));
        QVERIFY2(action && action->isEnabled(), entry.name);
        QCOMPARE(action->property("commandId").toInt(), entry.id);
    }
    const struct {
        const char* name;
        int id;
    } tools[] = {{"actionCommandWizard", 32782}, {"actionDebugTerminal", 32837}, {"actionFirmwareUpgrade", 32866},
                 {"actionFirmwareUpgrade115200", 32868}};
    for (const auto& entry : tools) {
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(entry.name));
        QVERIFY2(action && action->isEnabled(), entry.name);
        QCOMPARE(action->property("commandId").toInt(), entry.id);
    }
    QCOMPARE(button(1008)->text(), text("网络已断开"));

    // Verify after write: on by default, kept in the settings file.
    QAction* verify = window_->linkPanel()->verifyAction();
    QVERIFY(verify->isCheckable() && verify->isChecked());
    verify->trigger();
    QVERIFY(!window_->linkPanel()->verifyAfterWrite());
    QFile file(path("zt_lumio.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY2(saved.contains("verify_write=0") && saved.contains("socket_port="), saved.constData());
}

void WindowE2eTest::writeAllAsksFirstThenWritesAndVerifies() {
    QVERIFY(sim_->start());
    openWindow(true);
    QVERIFY(connectNetwork());
    setStore(window_->document(), StoreRef::main(), numberedStore(300));
    const QString caption = text("警告 目标地址1");

    // No: nothing moves, not even the progress bar.
    prompter_->no();
    button(1012)->click();
    QCOMPARE(prompter_->prompts.size(), 1);
    QCOMPARE(prompter_->prompts[0].caption, caption);
    QCOMPARE(prompter_->prompts[0].text, text("继续进行将会擦除目标板信息并以当前界面的信息取代，继续吗？"));
    QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);

    // Yes: written, then read back and compared; the window keeps turning its event loop all along.
    int turns = 0;
    QTimer counter;
    connect(&counter, &QTimer::timeout, [&turns] { ++turns; });
    // A zero timer counts every turn: the write may take less than any longer period.
    counter.start(0);
    prompter_->yes();
    button(1012)->click();
    QVERIFY(waitInformed(text("全部数据已写入！")));
    QVERIFY(QTest::qWaitFor([&] { return prompter_->prompts.size() == 4; }, 20000));
    QVERIFY2(prompter_->prompts.last().text.startsWith(text("校验通过")), qPrintable(prompter_->prompts.last().text));
    QVERIFY(turns > 0);
    QCOMPARE(qobject_cast<QProgressBar*>(window_->control(1018))->value(), 0);
}

void WindowE2eTest::readAllReplacesTheProgramAsOneUndoStep() {
    // The board holds a program of 7 statements; the window has 3 unsaved ones.
    Program onBoard;
    onBoard.main = numberedStore(7, 100);
    const Bytes image = buildProgramImage(onBoard);
    QVERIFY(writeFile(path("board.zt5"), QByteArray(image.data(), static_cast<qsizetype>(image.size()))));
    QVERIFY(sim_->start({QStringLiteral("--image"), path("board.zt5")}));
    openWindow(true);
    QVERIFY(connectNetwork());
    setStore(window_->document(), StoreRef::main(), numberedStore(3));
    EditStep edit;
    edit.change.position = 0;
    edit.change.inserted = {numberedStatement(9)};
    QVERIFY(window_->document().apply(edit));
    const QList<int> before = numbersOf(window_->program().main);
    QVERIFY(window_->isModified());

    // Cancel at the unsaved-changes question: nothing is asked of the board.
    prompter_->cancel();
    button(1011)->click();
    QCOMPARE(prompter_->prompts.size(), 1);
    QCOMPARE(prompter_->prompts[0].kind, Prompt::YesNoCancel);
    QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);

    // Don't save, confirm: the board's program replaces the window's.
    prompter_->no().yes();
    window_->findChild<QAction*>(QStringLiteral("actionReadAll"))->trigger();
    QCOMPARE(prompter_->prompts[2].caption, text("警告 目标地址1"));
    QVERIFY(waitInformed(text("全部数据已读取完毕！")));
    QCOMPARE(numbersOf(window_->program().main), numbersOf(onBoard.main));
    QCOMPARE(window_->mainList()->count(), 7);

    // One Ctrl+Z brings the window's program back, Ctrl+Y the board's again.
    window_->undo();
    QCOMPARE(numbersOf(window_->program().main), before);
    QCOMPARE(window_->mainList()->count(), before.size());
    window_->redo();
    QCOMPARE(numbersOf(window_->program().main), numbersOf(onBoard.main));
}

void WindowE2eTest::writeAllWithTheSerialPortClosedAsksToOpenIt() {
    QVERIFY(sim_->start());
    openWindow(false);
    QCOMPARE(button(1008)->text(), text("串口未连接"));
    button(1012)->click();
    QCOMPARE(prompter_->prompts.size(), 1);
    QCOMPARE(prompter_->prompts[0].text, text("请先打开串口"));
    QCOMPARE(prompter_->prompts[0].caption, text("提示"));
    QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
}

void WindowE2eTest::serialPortOverThePseudoTerminal() {
    QVERIFY(sim_->start());
    openWindow(false);
    // The simulator's pseudo-terminal is not a listed device, yet the settings name it and the list shows it.
    auto* ports = qobject_cast<QComboBox*>(window_->control(1017));
    QCOMPARE(ports->currentText(), sim_->ptyPath());
    // A command while the port is closed opens it first.
    window_->findChild<QAction*>(QStringLiteral("actionReadClock"))->trigger();
    QCOMPARE(button(1008)->text(), text("串口已打开"));
    QVERIFY(QTest::qWaitFor([&] { return !prompter_->prompts.isEmpty(); }, 10000));
    QVERIFY(prompter_->prompts[0].text.startsWith(text("系统的当前时间为：")));

    // The board goes away: the caption says so at once.
    sim_->kill();
    QVERIFY(QTest::qWaitFor([&] { return button(1008)->text() == text("串口未连接"); }, 5000));
    button(1008)->click();
    QCOMPARE(button(1008)->text(), text("串口未连接"));
}

void WindowE2eTest::settingsDialogOkConnectsAndDisconnects() {
    QVERIFY(sim_->start());
    openWindow(true);
    window_->linkPanel()->applyConfirmedSettings();
    QVERIFY(waitInformed(text("网络已连接"), 5000));
    QCOMPARE(button(1008)->text(), text("网络已连接"));
    window_->linkPanel()->applyConfirmedSettings();
    QVERIFY(informed(text("网络已断开")));
    QCOMPARE(button(1008)->text(), text("网络已断开"));

    // Nothing listens any more: "建立连接失败", then the state.
    sim_->kill();
    prompter_->prompts.clear();
    window_->linkPanel()->applyConfirmedSettings();
    QVERIFY(QTest::qWaitFor([&] { return prompter_->prompts.size() == 2; }, 5000));
    QCOMPARE(prompter_->prompts[0].text, text("建立连接失败"));
    QCOMPARE(prompter_->prompts[1].text, text("网络已断开"));
}

void WindowE2eTest::passwordDialogModes() {
    ScriptedPrompter prompter;
    Cjiami_dlg encrypt(Cjiami_dlg::Mode::Encrypt, prompter);
    QCOMPARE(encrypt.windowTitle(), text("请输入密码"));
    encrypt.show();
    QVERIFY(encrypt.confirmationEdit()->isVisible());
    encrypt.passwordEdit()->setText(QStringLiteral("abc"));
    encrypt.confirmationEdit()->setText(QStringLiteral("abd"));
    encrypt.accept();
    QCOMPARE(prompter.prompts.size(), 1);
    QCOMPARE(prompter.prompts[0].text, text("两次输入不一致，请重新输入！"));
    QVERIFY(encrypt.isVisible());
    encrypt.confirmationEdit()->setText(QStringLiteral("abc"));
    encrypt.accept();
    QCOMPARE(encrypt.result(), int(QDialog::Accepted));

    Cjiami_dlg decrypt(Cjiami_dlg::Mode::Decrypt, prompter);
    decrypt.show();
    QVERIFY(!decrypt.confirmationEdit()->isVisible());
    decrypt.passwordEdit()->setText(QStringLiteral("abc"));
    decrypt.accept();
    QCOMPARE(decrypt.result(), int(QDialog::Accepted));
    QCOMPARE(prompter.prompts.size(), 1);
}

void WindowE2eTest::lockAndUnlockThroughThePasswordDialog() {
    QVERIFY(sim_->start());
    openWindow(true);
    QVERIFY(connectNetwork());
    const auto typeAndConfirm = [](const char* password, const char* confirmation) {
        whenModalShown<Cjiami_dlg>([password, confirmation](Cjiami_dlg& dialog) {
            dialog.passwordEdit()->setText(QString::fromUtf8(password));
            dialog.confirmationEdit()->setText(QString::fromUtf8(confirmation));
            dialog.accept();
        });
    };
    typeAndConfirm("密码1", "密码1");
    window_->linkPanel()->encrypt();
    QVERIFY(waitInformed(text("加密成功"), 5000));
    typeAndConfirm("wrong", "");
    window_->linkPanel()->decrypt();
    QVERIFY(waitInformed(text("解密失败"), 5000));
    typeAndConfirm("密码1", "");
    window_->linkPanel()->decrypt();
    QVERIFY(waitInformed(text("解密成功"), 5000));
}

void WindowE2eTest::reportsOpenInTheInformationDialog() {
    QVERIFY(sim_->start());
    openWindow(true);
    QVERIFY(connectNetwork());
    QString shown;
    QRect textBox;
    int confirmTop = -1;
    int cancelTop = -1;
    QSize size;
    const auto capture = [&](Cyingjianxinxi& dialog) {
        shown = dialog.windowTitle() + QLatin1Char('|') + dialog.textBox()->toPlainText();
        textBox = dialog.textBox()->geometry();
        confirmTop = dialog.confirmButton()->mapTo(&dialog, QPoint(0, 0)).y();
        cancelTop = dialog.cancelButton()->mapTo(&dialog, QPoint(0, 0)).y();
        size = dialog.size();
        dialog.cancelButton()->click();
    };
    whenModalShown<Cyingjianxinxi>(capture);
    window_->findChild<QAction*>(QStringLiteral("actionHardwareInfo"))->trigger();
    QVERIFY(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    QVERIFY2(shown.startsWith(text("信息|读取硬件信息成功:\n\n硬件内核")), qPrintable(shown));
    // The report fills the dialog above a 40-pixel band that holds the two buttons.
    QCOMPARE(textBox, QRect(0, 0, size.width(), size.height() - 40));
    QVERIFY(confirmTop >= size.height() - 40 && cancelTop >= size.height() - 40);

    shown.clear();
    whenModalShown<Cyingjianxinxi>(capture);
    window_->findChild<QAction*>(QStringLiteral("actionHardwareInfo2"))->trigger();
    QVERIFY(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 5000));
    QVERIFY2(shown.startsWith(text("信息|读取硬件信息成功：\n\n输入数量")), qPrintable(shown));
}

void WindowE2eTest::noAnswerIsANoteInTheStatusLine() {
    QVERIFY(sim_->start());
    openWindow(true);
    QVERIFY(connectNetwork());
    // No board at address 7: after 3 s the status line says so; no box stops the user.
    qobject_cast<QComboBox*>(window_->control(1010))->setCurrentIndex(7);
    window_->linkPanel()->readClock();
    QVERIFY(QTest::qWaitFor([&] { return !window_->statusBar()->currentMessage().isEmpty(); }, 6000));
    QVERIFY(window_->statusBar()->currentMessage().contains(QStringLiteral("7")));
    QVERIFY(prompter_->prompts.isEmpty());
}

void WindowE2eTest::learnedCodeReachesTheStatementEditor() {
    QVERIFY(sim_->start());
    openWindow(true);
    QVERIFY(connectNetwork());
    Cadd_in* editor = window_->statementEditor();
    emit editor->remoteLearnRequested(RemoteLearn::Radio);
    QVERIFY(waitInformed(text("接收到无线遥控信号A5 3C 96 01"), 5000));
    QCOMPARE(window_->linkPanel()->link().learnedCode(RemoteCodeKind::Radio), Bytes("\xA5\x3C\x96\x01"));
    // After the message box: the editor's 参数3 shows the code.
    QCOMPARE(qobject_cast<QComboBox*>(editor->control(1025))->currentText(), QStringLiteral("{A5 3C 96 01}"));
}

QTEST_MAIN(WindowE2eTest)
#include "window_e2e_test.moc"
