// The communication settings dialog: fields, enabling, and what OK and Cancel write.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "support/scripted_prompter.h"
#include "ui/app/settings_store.h"
#include "ui/dialogs/com_settings_dialog.h"

namespace lumio {
namespace {

template <class Widget>
Widget* field(const CCom_Dlg& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no field %s", name);
    return widget;
}

QPushButton* button(const CCom_Dlg& dialog, QDialogButtonBox::StandardButton which) {
    return field<QDialogButtonBox>(dialog, "buttons")->button(which);
}

std::vector<std::string> twoDevices() { return {"/dev/ttyS0", "/dev/ttyUSB0"}; }

void replaceText(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString path() const { return folder_.filePath("zt_lumio.ini"); }

private slots:
    void init() { QFile::remove(path()); }

    void showsTheCurrentSettings() {
        const SettingsStore store(path());
        LinkSettings current;
        current.comIndex = 44;
        current.baudCode = 9;
        current.tcpPort = 502;
        current.ipText = "10.0.0.9";
        current.autoOpenFile = true;
        CCom_Dlg dialog(current, store, nullptr, PortNaming::Numbered, twoDevices);
        QVERIFY(field<QRadioButton>(dialog, "serialRadio")->isChecked());
        auto* ports = field<QComboBox>(dialog, "portList");
        QCOMPARE(ports->count(), 255);
        QCOMPARE(ports->currentText(), QStringLiteral("COM45"));
        QVERIFY(!ports->isEditable());
        auto* bauds = field<QComboBox>(dialog, "baudList");
        QStringList rates;
        for (int index = 0; index < bauds->count(); ++index) rates << bauds->itemText(index);
        QCOMPARE(rates.join(' '), QStringLiteral("300 600 1200 2400 4800 9600 19200 38400 57600 115200"));
        QCOMPARE(bauds->currentText(), QStringLiteral("115200"));
        QCOMPARE(field<QLineEdit>(dialog, "ipEdit")->text(), QStringLiteral("10.0.0.9"));
        QCOMPARE(field<QLineEdit>(dialog, "tcpPortEdit")->text(), QStringLiteral("502"));
        QVERIFY(!field<QCheckBox>(dialog, "autoOpenPortBox")->isChecked());
        QVERIFY(field<QCheckBox>(dialog, "autoOpenFileBox")->isChecked());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("通讯设置"));
        QCOMPARE(button(dialog, QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(button(dialog, QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    }

    void linkChoiceEnablesItsFields() {
        const SettingsStore store(path());
        CCom_Dlg dialog(LinkSettings{}, store, nullptr, PortNaming::Numbered, twoDevices);
        auto expectSerialFields = [&](bool serial) {
            QCOMPARE(field<QComboBox>(dialog, "portList")->isEnabled(), serial);
            QCOMPARE(field<QComboBox>(dialog, "baudList")->isEnabled(), serial);
            QCOMPARE(field<QLineEdit>(dialog, "ipEdit")->isEnabled(), !serial);
            QCOMPARE(field<QLineEdit>(dialog, "tcpPortEdit")->isEnabled(), !serial);
        };
        expectSerialFields(true);
        QTest::mouseClick(field<QRadioButton>(dialog, "networkRadio"), Qt::LeftButton);
        expectSerialFields(false);
        QTest::mouseClick(field<QRadioButton>(dialog, "serialRadio"), Qt::LeftButton);
        expectSerialFields(true);
    }

    void okWithoutChangeWritesNothing() {
        const SettingsStore store(path());
        // Values the lists cannot show (COM256, baud code 17) and a network mode of 7 stay as they are.
        const std::vector<std::pair<LinkSettings, PortNaming>> cases{
            {LinkSettings{}, PortNaming::Numbered},
            {LinkSettings{}, PortNaming::DevicePaths},
            {LinkSettings{7, 255, 17, 6000, "192.168.1.110", "", true, false}, PortNaming::Numbered},
            {LinkSettings{0, 3, 5, 70000, "", "/dev/pts/4", false, true}, PortNaming::DevicePaths},
        };
        for (const auto& [current, naming] : cases) {
            CCom_Dlg dialog(current, store, nullptr, naming, twoDevices);
            QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(!dialog.changed());
            QCOMPARE(dialog.settings(), current);
            QVERIFY(!QFile::exists(path()));
        }
    }

    void okWithChangeWritesEveryKey() {
        const SettingsStore store(path());
        CCom_Dlg dialog(LinkSettings{}, store, nullptr, PortNaming::Numbered, twoDevices);
        field<QComboBox>(dialog, "portList")->setCurrentIndex(44);
        field<QComboBox>(dialog, "baudList")->setCurrentIndex(9);
        QTest::mouseClick(field<QRadioButton>(dialog, "networkRadio"), Qt::LeftButton);
        replaceText(field<QLineEdit>(dialog, "ipEdit"), QString());
        replaceText(field<QLineEdit>(dialog, "tcpPortEdit"), QStringLiteral("8899"));
        QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(dialog.changed());
        QCOMPARE(fileBytes(path()), QByteArray("[canshu_v2]\r\ncom_or_tcp=1\r\ncom_num=44\r\nbtl_num=9\r\n"
                                               "socket_port=8899\r\nip=192.168.1.110\r\n"));
        // An empty address is written as the default one, but the settings keep what was typed.
        QCOMPARE(dialog.settings().ipText, std::string());
        QCOMPARE(dialog.settings().tcpPort, 8899u);
    }

    void autoOpenFlagsAreTakenOverButNeverStored() {
        const SettingsStore store(path());
        CCom_Dlg dialog(LinkSettings{}, store, nullptr, PortNaming::Numbered, twoDevices);
        QTest::mouseClick(field<QCheckBox>(dialog, "autoOpenPortBox"), Qt::LeftButton);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(dialog.changed());
        QVERIFY(dialog.settings().autoOpenPort);
        QVERIFY(!fileBytes(path()).contains("auto"));
        QCOMPARE(store.load(), LinkSettings{});
    }

    // A settings file that cannot be written: the settings still hold for the run and the user is
    // told which file failed, its Chinese name readable. Its folder is a regular file, which stops
    // root as well as anyone else.
    void aFailedWriteIsReported() {
        QFile notAFolder(folder_.filePath(QString::fromUtf8("设置")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        const QString unwritable = folder_.filePath(QString::fromUtf8("设置/zt_lumio.ini"));
        const SettingsStore store(unwritable);
        testing::ScriptedPrompter prompter;
        CCom_Dlg dialog(LinkSettings{}, store, nullptr, PortNaming::Numbered, twoDevices);
        dialog.setPrompter(&prompter);
        field<QComboBox>(dialog, "baudList")->setCurrentIndex(0);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(dialog.changed());
        QCOMPARE(dialog.settings().baudCode, std::uint8_t{0});
        QCOMPARE(prompter.prompts.size(), 1);
        QVERIFY2(prompter.prompts[0].text.startsWith(QString::fromUtf8("无法写入文件：") + QDir::toNativeSeparators(unwritable)),
                 qPrintable(prompter.prompts[0].text));
        QCOMPARE(prompter.prompts[0].caption, QString::fromUtf8("错误"));
    }

    void cancelKeepsEverything() {
        const SettingsStore store(path());
        CCom_Dlg dialog(LinkSettings{}, store, nullptr, PortNaming::Numbered, twoDevices);
        QTest::mouseClick(field<QRadioButton>(dialog, "networkRadio"), Qt::LeftButton);
        field<QComboBox>(dialog, "baudList")->setCurrentIndex(0);
        QTest::mouseClick(button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.changed());
        QCOMPARE(dialog.settings(), LinkSettings{});
        QVERIFY(!QFile::exists(path()));
    }

    void networkLinkNeedsAUsablePort() {
        const SettingsStore store(path());
        LinkSettings current;
        current.mode = 1;
        CCom_Dlg dialog(current, store, nullptr, PortNaming::Numbered, twoDevices);
        auto* ok = button(dialog, QDialogButtonBox::Ok);
        auto* port = field<QLineEdit>(dialog, "tcpPortEdit");
        for (const char* text : {"", "0", "65536", "99999"}) {
            replaceText(port, QString::fromLatin1(text));
            QVERIFY2(!ok->isEnabled(), text);
        }
        QTest::keyClicks(port, QStringLiteral("x"));  // only digits can be typed
        QCOMPARE(port->text(), QStringLiteral("99999"));
        // The serial link does not use the port: OK again, and the port keeps its value.
        QTest::mouseClick(field<QRadioButton>(dialog, "serialRadio"), Qt::LeftButton);
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog.settings().tcpPort, 6000u);
        QCOMPARE(dialog.settings().mode, 0);
    }

    void devicePathsOfferPresentDevicesAndTypedPaths() {
        const SettingsStore store(path());
        LinkSettings current;
        current.comIndex = 1;
        {
            CCom_Dlg dialog(current, store, nullptr, PortNaming::DevicePaths, twoDevices);
            auto* ports = field<QComboBox>(dialog, "portList");
            QVERIFY(ports->isEditable());
            QCOMPARE(ports->count(), 3);
            QCOMPARE(ports->itemText(2), QStringLiteral("/dev/ttyS1"));  // COM2, from com_num alone
            QCOMPARE(ports->currentText(), QStringLiteral("/dev/ttyS1"));
            ports->setCurrentText(QStringLiteral("/dev/pts/5"));
            QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(dialog.settings().serialDevice, std::string("/dev/pts/5"));
            QCOMPARE(dialog.settings().comIndex, 1);
            QVERIFY(fileBytes(path()).endsWith("com_num=1\r\nbtl_num=5\r\nsocket_port=6000\r\nip=192.168.1.110\r\n"
                                               "com_device=/dev/pts/5\r\n"));
        }
        {
            CCom_Dlg dialog(store.load(), store, nullptr, PortNaming::DevicePaths, twoDevices);
            auto* ports = field<QComboBox>(dialog, "portList");
            QCOMPARE(ports->currentText(), QStringLiteral("/dev/pts/5"));
            ports->setCurrentIndex(0);
            QTest::mouseClick(button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
            QCOMPARE(dialog.settings().serialDevice, std::string("/dev/ttyS0"));
            QCOMPARE(dialog.settings().comIndex, 0);  // /dev/ttyS0 is COM1
            QCOMPARE(store.load().serialDevice, std::string("/dev/ttyS0"));
        }
    }
};

}  // namespace lumio

QTEST_MAIN(lumio::SettingsDialogTest)
#include "settings_dialog_test.moc"
