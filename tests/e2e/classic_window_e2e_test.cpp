// The classic program's window against lumio-board-sim as a real process: the 通信 entries (read and
// write the whole program, the reports chosen by their type byte), the 工具 entries (command wizard,
// debug terminal, relay test panel in relay mode), and the port-error box only this edition shows.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/model/program_image.h"
#include "tests/e2e/sim_process.h"
#include "tests/e2e/wait_until.h"
#include "tests/e2e/window_support.h"
#include "tests/ui/support/programs.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_store.h"
#include "ui/classic/classic_window.h"
#include "ui/classic/relay_test_panel.h"
#include "ui/dialogs/report_dialog.h"
#include "ui/link/link_panel.h"
#include "ui/tools/command_wizard_dialog.h"
#include "ui/tools/terminal_dialog.h"

using namespace lumio;
using namespace lumio::testing;
using namespace lumio::test;

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class ClassicWindowE2eTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void init() { makeParts(); }
    void cleanup() { clearParts(); }

    void readAllThenWriteAll() {
        Program onBoard;
        onBoard.main = numberedStore(7, 100);
        onBoard.functions[2] = numberedStore(2, 300);
        const Bytes image = buildProgramImage(onBoard, Edition::Classic);
        QVERIFY(writeFile(path("board.zt5"), QByteArray(image.data(), static_cast<qsizetype>(image.size()))));
        QVERIFY(sim_->start({QStringLiteral("--image"), path("board.zt5")}));
        openWindow();

        prompter_->yes();
        trigger("actionReadAll");
        QVERIFY2(waitInformed(*prompter_, text("全部数据已读取完毕！")), qPrintable(promptsText(*prompter_)));
        QCOMPARE(numbersOf(window_->program().main), numbersOf(onBoard.main));
        QCOMPARE(numbersOf(window_->program().functions[2]), numbersOf(onBoard.functions[2]));

        // A changed program goes back, and the read-back finds the board holding it.
        setStore(window_->document(), StoreRef::main(), numberedStore(120));
        prompter_->prompts.clear();
        prompter_->yes();
        trigger("actionWriteAll");
        QCOMPARE(prompter_->prompts[0].caption, text("警告 目标地址1"));
        QVERIFY2(waitInformed(*prompter_, text("全部数据已写入！")), qPrintable(promptsText(*prompter_)));
        QVERIFY(waitUntil([&] { return prompter_->prompts.size() == 3; }, 20000));
        QVERIFY2(prompter_->prompts.last().text.startsWith(text("校验通过")), qPrintable(promptsText(*prompter_)));
    }

    void reportsFollowTheirTypeByte() {
        QVERIFY(sim_->start());
        openWindow();
        const struct {
            const char* entry;
            const char* starts;
            const char* holds;
        } cases[] = {
            {"actionNetworkInfo", "信息|读取网络参数成功:\n\nIP地址: 192.168.1.110\n", "tcp服务端口数量: 6000"},
            {"actionReadId", "信息|读取ID成功:\n\n识别ID：30 37 3E", "缓冲区使用数量：3"},
            {"actionHardwareInfo", "信息|读取硬件信息成功:\n\n硬件内核: 5.0内核", "程序空间: 499999字节"},
        };
        for (const auto& c : cases) {
            QString shown;
            whenModalShown<Cyingjianxinxi>([&shown](Cyingjianxinxi& dialog) {
                shown = dialog.windowTitle() + QLatin1Char('|') + dialog.textBox()->toPlainText();
                dialog.cancelButton()->click();
            });
            trigger(c.entry);
            QVERIFY2(waitUntil([&] { return !shown.isEmpty(); }, 5000), c.entry);
            QVERIFY2(shown.startsWith(text(c.starts)) && shown.contains(text(c.holds)), qPrintable(shown));
            QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
        }
    }

    void toolsOfTheClassicMenu() {
        QVERIFY(sim_->start());
        openWindow();
        QString caption;
        whenModalShown<Czhilingshengchengqi>([&caption](Czhilingshengchengqi& wizard) {
            caption = wizard.windowTitle();
            wizard.reject();
        });
        trigger("actionCommandWizard");
        QCOMPARE(caption, text("继电器板指令生成向导V1.5"));

        trigger("actionDebugTerminal");
        QCOMPARE(window_->findChildren<Ctiaoshi_helper_dlg*>().size(), 1);
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::DebugTerminal);
        window_->findChild<Ctiaoshi_helper_dlg*>()->close();
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
    }

    void relayTestPanelDrivesARelayBoard() {
        QVERIFY(sim_->start({QStringLiteral("--relay"), QStringLiteral("8")}));
        openWindow();
        QStringList failures;
        bool ran = false;
        LinkOperation whileOpen = LinkOperation::Idle;
        const auto drive = [&](RelayTestPanel& panel) {
            ran = true;
            whileOpen = window_->linkPanel()->link().operation();
            const auto click = [&panel](const char* name) { panel.findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
            const auto closed = [&panel] {
                QList<int> channels;
                for (int channel = 1; channel <= kRelayPanelChannels; ++channel)
                    if (panel.showsClosed(channel)) channels << channel;
                return channels;
            };
            const auto expect = [&](const QList<int>& channels, const char* step) {
                if (!waitUntil([&] { return closed() == channels; }, 5000)) failures << QString::fromLatin1(step);
            };
            panel.channelButton(1)->click();
            expect({1}, "channel 1 toggled");
            panel.channelButton(3)->click();
            expect({1, 3}, "channel 3 toggled");
            click("closeAllButton");
            expect({1, 2, 3, 4, 5, 6, 7, 8}, "all closed (an 8-channel board)");
            click("openAllButton");
            expect({}, "all open");
            panel.channelButton(2)->click();
            expect({2}, "channel 2 toggled");
            click("queryButton");
            click("readAddressButton");
            if (!waitInformed(*prompter_, text("目标模块地址为 1"), 5000)) failures << QStringLiteral("address read");
            if (panel.channelButton(2)->styleSheet() != QStringLiteral("background-color: #00ff00; color: #ff00ff;") ||
                panel.channelButton(1)->styleSheet() != QStringLiteral("background-color: #ff0000; color: #00ffff;"))
                failures << QStringLiteral("colours");
            panel.reject();
        };
        whenModalShown<RelayTestPanel>(drive);
        trigger("actionRelayTest");
        QVERIFY(ran);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral(", ")) + QLatin1Char('\n') + promptsText(*prompter_)));
        QCOMPARE(whileOpen, LinkOperation::RelayTestPanel);
        QCOMPARE(window_->linkPanel()->link().operation(), LinkOperation::Idle);
        QCOMPARE(prompter_->prompts.last().caption, text("读取成功"));
    }

    // A serial port that fails under the program: the classic edition names the failed call in its box,
    // the current edition only notes the lost link.
    void portErrorBoxOnlyInTheClassicEdition() {
        for (const Edition edition : {Edition::Classic, Edition::Current}) {
            cleanup();
            init();
            QVERIFY(sim_->start());
            const QString settings = QStringLiteral("[canshu_v2]\r\ncom_or_tcp=0\r\ncom_num=2\r\ncom_device=%1\r\n").arg(sim_->ptyPath());
            QVERIFY(writeFile(path("zt_lumio.ini"), settings.toUtf8()));
            window_ = std::make_unique<CMy1Dlg>(edition, nullptr, SettingsStore(path("zt_lumio.ini")));
            window_->setPrompter(prompter_.get());
            if (edition == Edition::Classic) installClassicMenus(*window_);
            auto* connect = qobject_cast<QPushButton*>(window_->control(1008));
            connect->click();
            QCOMPARE(connect->text(), text("串口已打开"));
            sim_->kill();
            // The box is queued before the port is dropped, so it has come by the time the caption changes.
            QVERIFY(waitUntil([&] { return connect->text() == text("串口未连接"); }, 5000));
            if (edition == Edition::Current) {
                QVERIFY2(prompter_->prompts.isEmpty(), qPrintable(promptsText(*prompter_)));
                continue;
            }
            QCOMPARE(prompter_->prompts.size(), 1);
            const Prompt& box = prompter_->prompts[0];
            QCOMPARE(box.caption, QStringLiteral("Application Error"));
            QVERIFY2(box.text.startsWith(QStringLiteral("WARNING:  ReadFile() Failed with the following error: \n")) ||
                         box.text.startsWith(QStringLiteral("WARNING:  WaitCommEvent() Failed with the following error: \n")),
                     qPrintable(box.text));
            QVERIFY2(box.text.endsWith(QStringLiteral("\nPort: 3\n")), qPrintable(box.text));
        }
    }

private:

    // The classic program's window, as its main() makes it, connected to the simulator.
    void openWindow() {
        window_ = openNetworkWindow(Edition::Classic, path("zt_lumio.ini"), sim_->tcpPort(), *prompter_);
        QVERIFY(window_);
        installClassicMenus(*window_);
        QVERIFY(connectNetwork(*window_));
    }

    void trigger(const char* name) {
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(action && action->isEnabled(), name);
        action->trigger();
    }
};

QTEST_MAIN(ClassicWindowE2eTest)
#include "classic_window_e2e_test.moc"
