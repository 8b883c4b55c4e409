// The relay-board command wizard: its controls, the visibility table, compose, refusals and send.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/ui/support/recording_tool_link.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/tools/command_wizard_dialog.h"

namespace lumio {
namespace {

template <class Widget>
Widget* idControl(const Czhilingshengchengqi& dialog, int id) {
    auto* widget = qobject_cast<Widget*>(dialog.control(id));
    if (!widget) qFatal("no control %d", id);
    return widget;
}

QString utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class CommandWizardTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsControlsAndIntro() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Czhilingshengchengqi dialog(link, prompter);
        QCOMPARE(dialog.windowTitle(), utf8("继电器板指令生成向导V1.7"));
        QVERIFY(dialog.isModal());
        auto* address = idControl<QComboBox>(dialog, 1022);
        QCOMPARE(address->count(), 256);
        QCOMPARE(address->currentText(), utf8("地址1"));
        auto* operation = idControl<QComboBox>(dialog, 1023);
        QCOMPARE(operation->count(), 15);
        QCOMPARE(operation->currentText(), utf8("闭合某一路"));
        QCOMPARE(idControl<QComboBox>(dialog, 1024)->currentText(), utf8("第1路"));
        QCOMPARE(idControl<QComboBox>(dialog, 1024)->count(), 32);
        QCOMPARE(idControl<QComboBox>(dialog, 1026)->currentText(), utf8("需要回码"));
        QCOMPARE(idControl<QLabel>(dialog, 1013)->text(), utf8("参数：   "));
        QVERIFY(dialog.outputText().startsWith(utf8("使用说明：")));
        QCOMPARE(idControl<QPushButton>(dialog, 1028)->text(), utf8("生成命令 （16进制）"));
    }

    void visibilityTable_data() {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("addressLabel");
        QTest::addColumn<bool>("address");
        QTest::addColumn<bool>("parameter");
        QTest::addColumn<bool>("channel");
        QTest::addColumn<bool>("reply");
        QTest::addColumn<bool>("emptied");
        // Parameter text "x" before the change; reply visibility before the change is shown.
        QTest::newRow("0") << 0 << utf8("路号(空格间隔):") << utf8("目标地址") << true << false << true << true << false;
        QTest::newRow("3") << 3 << utf8("路号(空格间隔):") << utf8("目标地址") << true << false << true << true << false;
        QTest::newRow("4") << 4 << utf8("点动时间(毫秒): ") << utf8("目标地址") << true << true << true << true << false;
        QTest::newRow("5") << 5 << utf8("参数：   ") << utf8("目标地址") << true << false << false << true << false;
        QTest::newRow("8") << 8 << utf8("路号(哪几路开):") << utf8("目标地址") << true << true << false << true << true;
        QTest::newRow("10") << 10 << utf8("路号(哪几路开):") << utf8("目标地址") << true << true << false << true << true;
        QTest::newRow("11") << 11 << utf8("目标地址:") << utf8("目标地址") << false << true << false << false << true;
        QTest::newRow("12") << 12 << utf8("目标地址:") << utf8("现有地址") << true << true << false << false << true;
        QTest::newRow("13") << 13 << utf8("参数:") << utf8("现有地址") << true << true << false << true << true;
        QTest::newRow("14") << 14 << utf8("参数:") << utf8("现有地址") << true << true << false << true << true;
    }

    void visibilityTable() {
        QFETCH(int, operation);
        QFETCH(QString, label);
        QFETCH(QString, addressLabel);
        QFETCH(bool, address);
        QFETCH(bool, parameter);
        QFETCH(bool, channel);
        QFETCH(bool, reply);
        QFETCH(bool, emptied);
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Czhilingshengchengqi dialog(link, prompter);
        dialog.show();
        idControl<QLineEdit>(dialog, 1025)->setText(QStringLiteral("x"));
        idControl<QComboBox>(dialog, 1023)->setCurrentIndex(operation);
        QCOMPARE(idControl<QLabel>(dialog, 1013)->text(), label);
        QCOMPARE(idControl<QLabel>(dialog, 1020)->text(), addressLabel);
        QCOMPARE(dialog.control(1022)->isVisible(), address);
        QCOMPARE(dialog.control(1020)->isVisible(), address);
        QCOMPARE(dialog.control(1025)->isVisible(), parameter);
        QCOMPARE(dialog.control(1013)->isVisible(), parameter);
        QCOMPARE(dialog.control(1024)->isVisible(), channel);
        QCOMPARE(dialog.control(1021)->isVisible(), channel);
        QCOMPARE(dialog.control(1026)->isVisible(), reply);
        QCOMPARE(idControl<QLineEdit>(dialog, 1025)->text().isEmpty(), emptied);
    }

    void composesAndSends() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Czhilingshengchengqi dialog(link, prompter);
        QTest::mouseClick(idControl<QPushButton>(dialog, 1028), Qt::LeftButton);
        QCOMPARE(dialog.outputText(), QStringLiteral("55 01 12 00 00 00 01 69"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1030), Qt::LeftButton);
        QCOMPARE(link.wizardSends, (std::vector<Bytes>{Bytes("\x55\x01\x12\x00\x00\x00\x01\x69", 8)}));

        idControl<QComboBox>(dialog, 1023)->setCurrentIndex(11);
        idControl<QLineEdit>(dialog, 1025)->setText(QStringLiteral("7"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1028), Qt::LeftButton);
        QCOMPARE(dialog.outputText(), QStringLiteral("55 F5 41 00 00 00 07 92"));

        idControl<QComboBox>(dialog, 1023)->setCurrentIndex(7);
        idControl<QLineEdit>(dialog, 1025)->setText(QStringLiteral("1 b"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1028), Qt::LeftButton);
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, utf8("参数只能是数字"));
        QCOMPARE(dialog.outputText(), QStringLiteral("55 01 15 00 00 00 00 6B"));

        idControl<QComboBox>(dialog, 1023)->setCurrentIndex(0);
        idControl<QComboBox>(dialog, 1026)->setCurrentIndex(1);
        QTest::mouseClick(idControl<QPushButton>(dialog, 1028), Qt::LeftButton);
        QCOMPARE(prompter.prompts.size(), 2);
        QCOMPARE(prompter.prompts[1].text, utf8("查询状态必须要有返回码！"));
        QCOMPARE(dialog.outputText(), QString());

        QTest::mouseClick(idControl<QPushButton>(dialog, 1029), Qt::LeftButton);
        QVERIFY(dialog.outputText().startsWith(utf8("查询目标模块的状态\n")));
    }
};

}  // namespace lumio

QTEST_MAIN(lumio::CommandWizardTest)
#include "command_wizard_test.moc"
