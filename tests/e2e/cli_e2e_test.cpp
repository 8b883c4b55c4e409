// The lumio tool against lumio-board-sim as a real process, over TCP and over its pseudo-terminal.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "tests/e2e/program_images.h"
#include "tests/e2e/sim_process.h"
#include "tests/e2e/wait_until.h"

using namespace lumio;
using namespace lumio::test;

namespace {

struct Run {
    int exitCode = -1;
    QString output;  // standard output then standard error
};

Run runCli(const QStringList& arguments) {
    QProcess process;
    process.start(cliProgram(), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QStringLiteral("did not finish")};
    }
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()) + QString::fromUtf8(process.readAllStandardError())};
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray toByteArray(const Bytes& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

class CliE2eTest : public QObject {
    Q_OBJECT

private slots:
    void commandsAgainstBoard_data();
    void commandsAgainstBoard();
    void closedPortFailsFast();
    void usageErrors_data();
    void usageErrors();
    void simulatorKilledMidWrite_data();
    void simulatorKilledMidWrite();

private:
    QTemporaryDir work_;
};

void CliE2eTest::commandsAgainstBoard_data() {
    QTest::addColumn<bool>("overTcp");
    QTest::newRow("tcp") << true;
    QTest::newRow("pty") << false;
}

// One board, the commands in the order a user would give them, each with its exit code and output.
void CliE2eTest::commandsAgainstBoard() {
    QFETCH(bool, overTcp);
    QVERIFY(work_.isValid());
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    const QStringList link = overTcp ? QStringList{QStringLiteral("--tcp"), sim.tcpTarget()}
                                     : QStringList{QStringLiteral("--serial"), sim.ptyPath(), QStringLiteral("--baud"),
                                                   QStringLiteral("115200")};
    const QString program = work_.filePath(QStringLiteral("program.zt5"));
    const QString readBack = work_.filePath(QStringLiteral("read.zt5"));
    const QString password = work_.filePath(QStringLiteral("password.txt"));
    const QByteArray image = toByteArray(programImageOfSize(7777, 9));
    QVERIFY(writeFile(program, image));
    QVERIFY(writeFile(password, "s3cret\n"));
    QFile::remove(readBack);

    struct Step {
        QStringList arguments;
        int exitCode;
        const char* pattern;
    };
    const Step steps[] = {
        {{"write", program, "--verify"}, 0, "全部数据已写入！[\\s\\S]*校验通过"},
        {{"read", readBack}, 0, "read 7777 bytes"},
        {{"lock", "--password-file", password}, 0, "^加密成功"},
        {{"read", readBack + ".locked"}, 1, "lumio: read failed: 数据出错"},
        {{"unlock", "--password-file", password}, 0, "^解密成功"},
        {{"clock", "--set"}, 0, "^系统的当前时间为：20\\d+年"},
        {{"clock"}, 0, "^系统的当前时间为：20\\d+年"},
        {{"address"}, 0, "^目标模块地址为 1\n"},
        {{"address", "--set", "1"}, 0, "^目标模块地址为 1\n"},
        {{"info", "--report", "1"}, 0, "^读取硬件信息成功:\n\n硬件内核"},
        {{"info", "--report", "2"}, 0, "^读取硬件信息成功：\n\n输入数量"},
        {{"clock", "--address", "7", "--timeout", "1"}, 1, "no answer from the board at address 7 within 1 s"},
    };
    for (const Step& step : steps) {
        const Run run = runCli(step.arguments + link);
        const QString label = step.arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") + run.output;
        QVERIFY2(run.exitCode == step.exitCode, qPrintable(label));
        QVERIFY2(QRegularExpression(QString::fromUtf8(step.pattern)).match(run.output).hasMatch(), qPrintable(label));
    }
    QCOMPARE(readFile(readBack), image);
    QVERIFY(!QFile::exists(readBack + QStringLiteral(".locked")));
}

void CliE2eTest::closedPortFailsFast() {
    std::uint16_t closedPort = 0;
    {
        SimProcess sim;
        QVERIFY2(sim.start(), qPrintable(sim.error()));
        closedPort = sim.tcpPort();
    }
    const Run run = runCli({QStringLiteral("clock"), QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:%1").arg(closedPort)});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(QStringLiteral("建立连接失败")), qPrintable(run.output));
}

void CliE2eTest::usageErrors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no link") << QStringList{"clock"} << "--tcp HOST:PORT or --serial DEVICE";
    QTest::newRow("both links") << QStringList{"clock", "--tcp", "127.0.0.1:1", "--serial", "/dev/null"}
                                << "--tcp HOST:PORT or --serial DEVICE";
    QTest::newRow("bad port") << QStringList{"clock", "--tcp", "127.0.0.1:x"} << "bad value for --tcp";
    QTest::newRow("bad address") << QStringList{"address", "--set", "300", "--tcp", "127.0.0.1:1"} << "bad address";
    QTest::newRow("bad report") << QStringList{"info", "--report", "3", "--tcp", "127.0.0.1:1"} << "--report 1 or";
    QTest::newRow("no file") << QStringList{"read", "--tcp", "127.0.0.1:1"} << "name one output file";
    QTest::newRow("no password") << QStringList{"unlock", "--password-file", "/nonexistent/pw", "--tcp", "127.0.0.1:1"}
                                 << "cannot read";
}

void CliE2eTest::usageErrors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runCli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.output.contains(message), qPrintable(run.output));
}

void CliE2eTest::simulatorKilledMidWrite_data() { commandsAgainstBoard_data(); }

void CliE2eTest::simulatorKilledMidWrite() {
    QFETCH(bool, overTcp);
    SimProcess sim;
    QVERIFY2(sim.start({QStringLiteral("--baud"), QStringLiteral("115200")}), qPrintable(sim.error()));
    const QString program = work_.filePath(QStringLiteral("large.zt5"));
    QVERIFY(writeFile(program, toByteArray(programImageOfSize(40000, 4))));
    QProcess cli;
    cli.start(cliProgram(), {QStringLiteral("write"), program, overTcp ? QStringLiteral("--tcp") : QStringLiteral("--serial"),
                             overTcp ? sim.tcpTarget() : sim.ptyPath()});
    // The board goes away once the first progress line shows the write is under way.
    QVERIFY(lumio::test::waitUntil([&] { return cli.readAllStandardError().contains("blocks"); }, 20000));
    sim.kill();
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 1);
    const QString errors = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("lumio: link to")) && errors.contains(QStringLiteral("lost")), qPrintable(errors));
}

QTEST_GUILESS_MAIN(CliE2eTest)
#include "cli_e2e_test.moc"
