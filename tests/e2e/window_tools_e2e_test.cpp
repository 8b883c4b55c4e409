// The 工具 and 固件升级 menus of the main window against lumio-board-sim as a real process over TCP.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/e2e/sim_process.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_support.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/app/main_window.h"
#include "ui/link/link_panel.h"
#include "ui/tools/terminal_dialog.h"

using namespace lumio;
using namespace lumio::testing;
using namespace lumio::test;

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class WindowToolsE2eTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init() { makeParts(); }
    void cleanup() { clearParts(); }

    void firmwareUpgradeFromTheMenu() {
        QVERIFY(sim_->start({QStringLiteral("--chip"), QStringLiteral("stm32g0b0")}));
        // An image of a real size: 97,580 bytes, 1952 blocks, each acknowledged before the next.
        QByteArray image(97580, '\0');
        for (int i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 13);
        QVERIFY(QDir().mkpath(path("images")));
        QVERIFY(writeFile(path("images/stm32g0b0.bin"), image));
        openWindow();
        // The question, then the chip, image and size: both answered Yes.
        prompter_->yes().yes();
        QStringList endings;
        connect(&window_->linkPanel()->link(), &DeviceLink::operationEnded, this,
                [&endings](LinkOperation operation, Outcome outcome) {
                    endings << QStringLiteral("%1 %2").arg(linkOperationName(operation), outcomeName(outcome));
                });
        window_->findChild<QAction*>(QStringLiteral("actionFirmwareUpgrade"))->trigger();
        const bool done = waitInformed(*prompter_, text("固件已更新为当前适用版本！"));
        QVERIFY2(done, qPrintable(promptsText(*prompter_) + QStringLiteral("\nended: ") + endings.join(QStringLiteral(", "))));
        QCOMPARE(prompter_->prompts[0].text, text("确认要升级处理器固件为当前适配版本吗？"));
        QCOMPARE(prompter_->prompts[0].caption, text("警告"));
        QVERIFY2(prompter_->prompts[1].text.contains(QStringLiteral("stm32g0b0")) &&
                     prompter_->prompts[1].text.contains(QStringLiteral("97580")),
                 qPrintable(prompter_->prompts[1].text));
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
    }

    void debugTerminalSendsAndShowsTheReply() {
        QVERIFY(sim_->start());
        openWindow();
        auto* entry = window_->findChild<QAction*>(QStringLiteral("actionDebugTerminal"));
        entry->trigger();
        entry->trigger();
        const QList<Ctiaoshi_helper_dlg*> terminals = window_->findChildren<Ctiaoshi_helper_dlg*>();
        QCOMPARE(terminals.size(), 1);
        Ctiaoshi_helper_dlg& terminal = *terminals.front();
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::DebugTerminal);
        qobject_cast<QCheckBox*>(terminal.control(1064))->setChecked(true);
        qobject_cast<QCheckBox*>(terminal.control(1057))->setChecked(true);
        // Read the board clock by hand: the reply is 01 69 07 and seven bytes.
        qobject_cast<QLineEdit*>(terminal.control(1056))->setText(QStringLiteral("1 69 0 15 0 0 4C 7"));
        qobject_cast<QPushButton*>(terminal.control(1055))->click();
        auto* received = qobject_cast<QPlainTextEdit*>(terminal.control(1027));
        QVERIFY(waitUntil([&] { return received->toPlainText().startsWith(QStringLiteral("01 69 07 ")); }, 5000));
        terminal.close();
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
    }

private:

    void openWindow() {
        window_ = openNetworkWindow(Edition::Current, path("zt_lumio.ini"), sim_->tcpPort(), *prompter_,
                                    QStringLiteral("firmware_dir=%1\r\n").arg(path("images")));
        QVERIFY(window_);
        QVERIFY(connectNetwork(*window_));
    }
};

QTEST_MAIN(WindowToolsE2eTest)
#include "window_tools_e2e_test.moc"
