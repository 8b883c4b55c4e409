// lumio firmware against lumio-board-sim as a real process: both chips, both variants, over TCP and the
// pseudo-terminal; a chip without an image; declining the question.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/e2e/sim_process.h"

using namespace lumio::test;

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run runCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(cliProgram(), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("did not finish")};
    }
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()) + QString::fromUtf8(process.readAllStandardError())};
}

bool writeImage(const QString& path, int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == size;
}

}  // namespace

class FirmwareE2eTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(images_.isValid());
        QVERIFY(writeImage(images_.filePath(QStringLiteral("at32f403avgt7.bin")), 97580));
        QVERIFY(writeImage(images_.filePath(QStringLiteral("stm32g0b0.bin")), 90484));
    }

    void upgradeEachChipAndVariant_data() {
        QTest::addColumn<QString>("chip");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("fast");
        QTest::newRow("at32 tcp") << QStringLiteral("at32f403avgt7") << false << false;
        QTest::newRow("stm32 tcp fast") << QStringLiteral("stm32g0b0") << false << true;
        QTest::newRow("at32 pty fast") << QStringLiteral("at32f403avgt7") << true << true;
        QTest::newRow("stm32 pty") << QStringLiteral("stm32g0b0") << true << false;
    }

    void upgradeEachChipAndVariant() {
        QFETCH(QString, chip);
        QFETCH(bool, serial);
        QFETCH(bool, fast);
        SimProcess sim;
        QVERIFY2(sim.start({QStringLiteral("--chip"), chip}), qPrintable(sim.error()));
        QStringList arguments{QStringLiteral("firmware"), QStringLiteral("--yes"), QStringLiteral("--image-dir"), images_.path()};
        if (fast) arguments << QStringLiteral("--fast");
        arguments << (serial ? QStringList{QStringLiteral("--serial"), sim.ptyPath()}
                             : QStringList{QStringLiteral("--tcp"), sim.tcpTarget()});
        const Run run = runCli(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QVERIFY2(run.output.contains(QString::fromUtf8("固件已更新为当前适用版本！")), qPrintable(run.output));
        QVERIFY(run.output.contains(chip));
    }

    void chipWithoutImageFails() {
        SimProcess sim;
        QVERIFY2(sim.start({QStringLiteral("--chip"), QStringLiteral("gd32f303")}), qPrintable(sim.error()));
        const Run run = runCli({QStringLiteral("firmware"), QStringLiteral("--yes"), QStringLiteral("--image-dir"),
                                images_.path(), QStringLiteral("--tcp"), sim.tcpTarget()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.output.contains(QString::fromUtf8("找不到资源")), qPrintable(run.output));
    }

    void declinedQuestionsSendNothing_data() {
        QTest::addColumn<QByteArray>("answers");
        QTest::newRow("first question") << QByteArray("n\n");
        QTest::newRow("chip and image") << QByteArray("y\nn\n");
    }

    void declinedQuestionsSendNothing() {
        QFETCH(QByteArray, answers);
        SimProcess sim;
        QVERIFY2(sim.start(), qPrintable(sim.error()));
        const Run run = runCli({QStringLiteral("firmware"), QStringLiteral("--image-dir"), images_.path(),
                                QStringLiteral("--tcp"), sim.tcpTarget()},
                               answers);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.output.contains(QString::fromUtf8("固件已更新")));
    }

private:
    QTemporaryDir images_;
};

QTEST_GUILESS_MAIN(FirmwareE2eTest)
#include "firmware_e2e_test.moc"
