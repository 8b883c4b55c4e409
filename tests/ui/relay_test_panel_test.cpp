// The classic relay test panel on its own: what each button sends, how status frames colour the channel
// buttons, and the address reply.
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <vector>

#include "tests/ui/support/scripted_prompter.h"
#include "ui/classic/relay_test_panel.h"

namespace lumio {
namespace {

QByteArray frame(std::initializer_list<int> bytes) {
    QByteArray out;
    for (int byte : bytes) out.append(static_cast<char>(byte));
    return out;
}

}  // namespace

class RelayTestPanelTest : public QObject {
    Q_OBJECT

private:
    std::vector<RelayPanelCommand> sent;
    testing::ScriptedPrompter prompter;

    std::unique_ptr<RelayTestPanel> makePanel(std::uint8_t address) {
        sent.clear();
        prompter.reset();
        return std::make_unique<RelayTestPanel>([this](const RelayPanelCommand& command) { sent.push_back(command); },
                                                address, prompter);
    }

    static QList<int> closedChannels(const RelayTestPanel& panel) {
        QList<int> closed;
        for (int channel = 1; channel <= kRelayPanelChannels; ++channel)
            if (panel.showsClosed(channel)) closed << channel;
        return closed;
    }

private slots:
    void controlsAndWhatTheButtonsSend() {
        const auto panel = makePanel(5);
        QCOMPARE(panel->windowTitle(), QString::fromUtf8("测试工具"));
        QVERIFY(panel->isModal());
        QCOMPARE(panel->addressList()->count(), 256);
        QCOMPARE(panel->addressList()->currentText(), QStringLiteral("5"));
        QCOMPARE(panel->channelButton(32)->text(), QString::fromUtf8("第32路"));
        panel->channelButton(7)->click();
        panel->addressList()->setCurrentIndex(9);
        for (const char* name : {"readAddressButton", "writeAddressButton", "queryButton", "closeAllButton", "openAllButton"})
            panel->findChild<QPushButton*>(QString::fromLatin1(name))->click();
        const std::vector<RelayPanelCommand> expected{
            {5, 0x20, 7}, {0xF5, 0x40, 0}, {0xF5, 0x41, 9}, {9, 0x10, 0}, {9, 0x13, 0xFFFFFFFF}, {9, 0x13, 0}};
        QVERIFY(sent == expected);
    }

    void statusFramesColourTheChannels() {
        const auto panel = makePanel(1);
        QCOMPARE(panel->channelButton(1)->styleSheet(), QString());
        panel->receiveFrame(frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x05, 0x38}));
        QCOMPARE(closedChannels(*panel), (QList<int>{1, 3}));
        QCOMPARE(panel->channelButton(1)->styleSheet(), QStringLiteral("background-color: #00ff00; color: #ff00ff;"));
        QCOMPARE(panel->channelButton(2)->styleSheet(), QStringLiteral("background-color: #ff0000; color: #00ffff;"));
        // Another board's status, a bad sum and a short frame change nothing.
        panel->receiveFrame(frame({0x22, 0x02, 0x10, 0x00, 0x00, 0x00, 0x01, 0x35}));
        panel->receiveFrame(frame({0x22, 0x01, 0x10, 0x00, 0x00, 0x00, 0x01, 0x35}));
        panel->receiveFrame(frame({0x22, 0x01, 0x10}));
        QCOMPARE(closedChannels(*panel), (QList<int>{1, 3}));
        QVERIFY(prompter.prompts.isEmpty());
    }

    void addressReplyIsShownAndSelected() {
        const auto panel = makePanel(1);
        panel->receiveFrame(frame({0x22, 0x07, 0x40, 0x80, 0x00, 0x00, 0x00, 0xE9}));
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, QString::fromUtf8("目标模块地址为 7"));
        QCOMPARE(prompter.prompts[0].caption, QString::fromUtf8("读取成功"));
        QCOMPARE(panel->addressList()->currentIndex(), 7);
        QCOMPARE(closedChannels(*panel), (QList<int>{32}));
    }
};

}  // namespace lumio

QTEST_MAIN(lumio::RelayTestPanelTest)
#include "relay_test_panel_test.moc"
