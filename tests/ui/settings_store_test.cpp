// The settings file zt_lumio.ini as the store reads and writes it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app/settings_store.h"

namespace lumio {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void pathIsTheWorkingDirectoryWhenFirstAsked() {
        QTemporaryDir first;
        QTemporaryDir second;
        const QString before = QDir::currentPath();
        QDir::setCurrent(first.path());
        const QString path = settingsPath();
        QDir::setCurrent(second.path());
        QCOMPARE(settingsPath(), path);
        QCOMPARE(SettingsStore().path(), path);
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("zt_lumio.ini"));
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(first.path()).absoluteFilePath());
        QDir::setCurrent(before);
    }

    void missingFileGivesDefaultsAndIsNotCreated() {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("zt_lumio.ini"));
        QCOMPARE(store.load(), LinkSettings{});
        QVERIFY(store.write({}));
        QVERIFY(!QFile::exists(store.path()));
    }

    void readsWhatTheFileHolds() {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("zt_lumio.ini"));
        writeBytes(store.path(), "[canshu_v2]\r\ncom_or_tcp=1\r\ncom_num=300\r\nbtl_num=7\r\nsocket_port=502\r\nip=\r\n");
        const LinkSettings settings = store.load();
        QCOMPARE(settings.mode, 1);
        QCOMPARE(settings.comIndex, 44);  // only the low byte of 300
        QCOMPARE(settings.baudCode, 7);
        QCOMPARE(settings.tcpPort, 502u);
        QCOMPARE(settings.ipText, std::string("192.168.1.110"));  // present but empty
    }

    void writesNewFileInKeyOrder() {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("zt_lumio.ini"));
        LinkSettings edited;
        edited.mode = 1;
        edited.ipText = "10.0.0.2";
        QVERIFY(store.write(settingsWritesOnConfirm(LinkSettings{}, edited, PortNaming::Numbered)));
        QCOMPARE(fileBytes(store.path()),
                 QByteArray("[canshu_v2]\r\ncom_or_tcp=1\r\ncom_num=0\r\nbtl_num=5\r\nsocket_port=6000\r\nip=10.0.0.2\r\n"));
        QCOMPARE(store.load(), edited);
    }

    void rewritesKeysAndKeepsTheRest() {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("zt_lumio.ini"));
        writeBytes(store.path(), "; note\r\n[canshu_v2]\r\nbtl_num=3\r\nextra=keep\r\n\r\n[other]\r\nx=1\r\n");
        LinkSettings edited;
        edited.serialDevice = "/dev/ttyUSB0";
        QVERIFY(store.write(settingsWritesOnConfirm(LinkSettings{}, edited, PortNaming::DevicePaths)));
        QCOMPARE(fileBytes(store.path()),
                 QByteArray("; note\r\n[canshu_v2]\r\nbtl_num=5\r\nextra=keep\r\ncom_or_tcp=0\r\ncom_num=0\r\n"
                            "socket_port=6000\r\nip=192.168.1.110\r\ncom_device=/dev/ttyUSB0\r\n\r\n[other]\r\nx=1\r\n"));
        QCOMPARE(store.load(), edited);
    }

    void unwritableFileIsReportedToTheCaller() {
        QTemporaryDir folder;
        const SettingsStore store(folder.filePath("missing-folder/zt_lumio.ini"));
        LinkSettings edited;
        edited.mode = 1;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("settings not saved"));
        QVERIFY(!store.write(settingsWritesOnConfirm(LinkSettings{}, edited, PortNaming::Numbered)));
    }
};

}  // namespace lumio

QTEST_GUILESS_MAIN(lumio::SettingsStoreTest)
#include "settings_store_test.moc"
