// The debug terminal: batching, the hexadecimal display both ways, clearing, the send rows, closing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/text/gbk.h"
#include "tests/ui/support/recording_tool_link.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/tools/terminal_dialog.h"

namespace lumio {
namespace {

template <class Widget>
Widget* idControl(const Ctiaoshi_helper_dlg& dialog, int id) {
    auto* widget = qobject_cast<Widget*>(dialog.control(id));
    if (!widget) qFatal("no control %d", id);
    return widget;
}

QString receiveText(const Ctiaoshi_helper_dlg& dialog) {
    return idControl<QPlainTextEdit>(dialog, 1027)->toPlainText();
}

}  // namespace

class TerminalDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnceAsAModelessWindow() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.open();
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("调试窗口"));
        QVERIFY(!dialog.isModal());
        QVERIFY(dialog.isVisible());
        QCOMPARE(link.opened, 1);
        QVERIFY(idControl<QCheckBox>(dialog, 1054)->isChecked());
        QVERIFY(!idControl<QCheckBox>(dialog, 1064)->isChecked());
        for (int id : {1013, 1021, 1029, 1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062, 1063, 1067, 1068, 1069,
                       1070, 1073, 1074, 1075}) {
            QVERIFY2(dialog.control(id), qPrintable(QString::number(id)));
        }
        dialog.close();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(link.closed, 1);
    }

    void layoutFollowsTheWindowSize() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.resize(800, 700);
        dialog.layOut();
        QCOMPARE(dialog.control(1027)->geometry(), QRect(0, 0, 800, 350));
        QCOMPARE(dialog.control(1029)->geometry(), QRect(620, 360, 60, 30));
        QCOMPARE(dialog.control(1064)->pos(), QPoint(400, 360));
        QCOMPARE(dialog.control(1021)->pos(), QPoint(400, 450));
        QCOMPARE(dialog.control(1074)->geometry(), QRect(50, 640, 600, 30));
        QCOMPARE(dialog.control(1075)->geometry(), QRect(680, 640, 100, 30));
        QCOMPARE(dialog.control(1057)->geometry(), QRect(20, 480, 20, 20));
    }

    void bytesArriveInBatchesAndToggleHexBothWays() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.open();
        dialog.receiveBytes("OK 12");
        QCOMPARE(receiveText(dialog), QString());
        QTRY_COMPARE_WITH_TIMEOUT(receiveText(dialog), QStringLiteral("OK 12"), 2000);
        idControl<QCheckBox>(dialog, 1064)->setChecked(true);
        QCOMPARE(receiveText(dialog), QStringLiteral("4F 4B 20 31 32 "));
        dialog.receiveBytes(Bytes("\x01\xFF", 2));
        dialog.flushPending();
        QCOMPARE(receiveText(dialog), QStringLiteral("4F 4B 20 31 32 01 FF "));
        idControl<QCheckBox>(dialog, 1064)->setChecked(false);
        dialog.receiveBytes("!");
        dialog.flushPending();
        QCOMPARE(dialog.received().text(), Bytes("OK 12\x01\xFF!", 8));
        idControl<QCheckBox>(dialog, 1064)->setChecked(true);
        idControl<QCheckBox>(dialog, 1064)->setChecked(false);
        QCOMPARE(dialog.received().text(), Bytes("OK 12\x01\xFF!", 8));  // on and off again restores the text

        QTest::mouseClick(idControl<QPushButton>(dialog, 1029), Qt::LeftButton);
        QCOMPARE(receiveText(dialog), QString());
        idControl<QCheckBox>(dialog, 1054)->setChecked(false);
        dialog.receiveBytes("dropped");
        dialog.flushPending();
        QCOMPARE(receiveText(dialog), QString());
    }

    void hexRowSendsItsBytesAndReadsThemBack() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Ctiaoshi_helper_dlg dialog(link, prompter);
        idControl<QCheckBox>(dialog, 1057)->setChecked(true);
        idControl<QLineEdit>(dialog, 1056)->setText(QStringLiteral("1 3 0 0 0 01"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1055), Qt::LeftButton);
        QCOMPARE(link.terminalSends, (std::vector<Bytes>{Bytes("\x01\x03\x00\x00\x00\x01", 6)}));
        QCOMPARE(idControl<QLineEdit>(dialog, 1056)->text(), QStringLiteral("01 03 00 00 00 01"));

        idControl<QLineEdit>(dialog, 1059)->setText(QString::fromUtf8("AT 你好"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1060), Qt::LeftButton);
        QCOMPARE(link.terminalSends.back(), toGbk("AT 你好"));

        idControl<QCheckBox>(dialog, 1061)->setChecked(true);
        idControl<QLineEdit>(dialog, 1062)->setText(QStringLiteral("12 1234567890"));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1063), Qt::LeftButton);
        QCOMPARE(link.terminalSends.back(), Bytes());

        QString many;
        for (int i = 0; i < 201; ++i) many += QStringLiteral("1 ");
        idControl<QLineEdit>(dialog, 1062)->setText(many);
        const size_t before = link.terminalSends.size();
        QTest::mouseClick(idControl<QPushButton>(dialog, 1063), Qt::LeftButton);
        QCOMPARE(link.terminalSends.size(), before);
        QCOMPARE(prompter.prompts.size(), 1);

        idControl<QLineEdit>(dialog, 1068)->setText(QString(1000, QLatin1Char('a')));
        QTest::mouseClick(idControl<QPushButton>(dialog, 1069), Qt::LeftButton);
        QCOMPARE(link.terminalSends.size(), before);  // a row of 1000 characters sends nothing
    }

    void savesWhatWasReceived() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("received.txt"));
        prompter.file(path);
        Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.receiveBytes(toGbk("温度 25\r\n"));
        dialog.flushPending();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveReceived")), Qt::LeftButton);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), toGbk("温度 25\r\n"));
    }

    void frameViewMarksChecks() {
        testing::RecordingToolLink link;
        testing::ScriptedPrompter prompter;
        Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.findChild<QCheckBox*>(QStringLiteral("frameView"))->setChecked(true);
        dialog.receiveBytes(Bytes("\x55\x01\x12\x00\x00\x00\x01\x69\x55\x01\x12\x00\x00\x00\x01\x00", 16));
        dialog.flushPending();
        const QString frames = dialog.findChild<QPlainTextEdit*>(QStringLiteral("frameList"))->toPlainText();
        QCOMPARE(frames, QString::fromUtf8("[55 校验正确] 55 01 12 00 00 00 01 69\n[55 校验错误] 55 01 12 00 00 00 01 00"));
    }
};

}  // namespace lumio

QTEST_MAIN(lumio::TerminalDialogTest)
#include "terminal_dialog_test.moc"
