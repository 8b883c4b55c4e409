// DeviceLink against lumio-board-sim as a real process, over TCP and over its pseudo-terminal.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <ctime>

#include "core/link/link_texts.h"
#include "core/text/gbk.h"
#include "link/link_captions.h"
#include "link/tcp_transport.h"
#include "tests/e2e/link_support.h"
#include "tests/e2e/program_images.h"
#include "tests/e2e/wait_until.h"

using namespace lumio;
using namespace lumio::test;

Q_DECLARE_METATYPE(lumio::test::Pipe)

namespace {

QString text(const std::string& gbk) { return QString::fromStdString(toUtf8(gbk)); }

QByteArray toByteArray(const Bytes& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

// CPU time of this process, in milliseconds.
double processCpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

class LinkE2eTest : public QObject {
    Q_OBJECT

private slots:
    void pipes_data();
    void writeThenReadBack_data() { pipes_data(); }
    void writeThenReadBack();
    void lockedBoardRefusesRead_data() { pipes_data(); }
    void lockedBoardRefusesRead();
    void clockSetAndRead_data() { pipes_data(); }
    void clockSetAndRead();
    void reports_data() { pipes_data(); }
    void reports();
    void remoteLearning_data() { pipes_data(); }
    void remoteLearning();
    void closedPortFailsFast();
    void simulatorKilledMidWrite_data() { pipes_data(); }
    void simulatorKilledMidWrite();
};

void LinkE2eTest::pipes_data() {
    QTest::addColumn<Pipe>("pipe");
    QTest::newRow("tcp") << Pipe::Tcp;
    QTest::newRow("pty") << Pipe::Pty;
}

void LinkE2eTest::writeThenReadBack() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    QCOMPARE(under.link().caption(), pipe == Pipe::Tcp ? QStringLiteral("网络已连接") : QStringLiteral("串口已打开"));

    const Bytes image = programImageOfSize(5003, 3);
    // The event loop keeps turning while the transfer runs: a 10 ms timer keeps firing.
    int turns = 0;
    QTimer turnCounter;
    QObject::connect(&turnCounter, &QTimer::timeout, [&turns] { ++turns; });
    turnCounter.start(10);
    under.link().writeAll(image, true);
    QCOMPARE(under.waitForEnd(LinkOperation::WriteAll), "Completed");
    QVERIFY(lumio::test::waitUntil([&] { return !under.record().verified.isEmpty(); }, 20000));
    QVERIFY2(under.record().verifiedOk, qPrintable(under.record().verified.first()));
    QVERIFY(turns > 0);
    QCOMPARE(under.record().messages, QList<QString>{text(writeDoneText())});

    under.record().ended.clear();
    under.link().readAll();
    QCOMPARE(under.waitForEnd(LinkOperation::ReadAll), "Completed");
    QCOMPARE(under.record().images.size(), 1);
    QCOMPARE(under.record().images.first(), toByteArray(image));
    QCOMPARE(under.record().messages.last(), text(readDoneText()));
}

void LinkE2eTest::lockedBoardRefusesRead() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    const auto step = [&](auto command, LinkOperation operation, const char* outcome, const std::string& message) {
        under.record().ended.clear();
        command();
        QCOMPARE(under.waitForEnd(operation), outcome);
        QCOMPARE(under.record().messages.last(), text(message));
    };
    step([&] { under.link().encrypt("secret"); }, LinkOperation::Encrypt, "Completed", *passwordResultText(0x0A));
    step([&] { under.link().readAll(); }, LinkOperation::ReadAll, "Failed", readBadFrameText());
    step([&] { under.link().decrypt("wrong"); }, LinkOperation::Decrypt, "Completed", *passwordResultText(0x0D));
    step([&] { under.link().decrypt("secret"); }, LinkOperation::Decrypt, "Completed", *passwordResultText(0x0C));
    step([&] { under.link().readAll(); }, LinkOperation::ReadAll, "Completed", readDoneText());
}

void LinkE2eTest::clockSetAndRead() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    // A date the host clock is not at, so the read shows the set took.
    std::tm set{};
    set.tm_year = 2031 - 1900;
    set.tm_mon = 6;
    set.tm_mday = 14;
    set.tm_wday = 1;
    set.tm_hour = 9;
    set.tm_min = 30;
    set.tm_sec = 0;
    under.link().setClock(set);
    under.link().readClock();
    QCOMPARE(under.waitForEnd(LinkOperation::ReadClock), "Completed");
    const QString shown = under.record().messages.last();
    QVERIFY2(shown.startsWith(QStringLiteral("系统的当前时间为：2031年7月14日 星期1 9时30分")), qPrintable(shown));
}

void LinkE2eTest::reports() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    under.link().hardwareInfo();
    QCOMPARE(under.waitForEnd(LinkOperation::HardwareInfo), "Completed");
    under.link().hardwareInfo2();
    QCOMPARE(under.waitForEnd(LinkOperation::HardwareInfo2), "Completed");
    QCOMPARE(under.record().reports.size(), 2);
    QVERIFY(under.record().reports[0].startsWith(QStringLiteral("读取硬件信息成功:")));
    QVERIFY(under.record().reports[1].startsWith(QStringLiteral("读取硬件信息成功：")));
    under.link().readAddress();
    QCOMPARE(under.waitForEnd(LinkOperation::ReadAddress), "Completed");
    QCOMPARE(under.record().messages.last(), text(addressText(1)));
}

void LinkE2eTest::remoteLearning() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    under.link().learnRemote(RemoteCodeKind::Radio);
    QCOMPARE(under.waitForEnd(LinkOperation::LearnRadio), "Completed");
    QCOMPARE(under.record().learned, QList<QByteArray>{QByteArray::fromHex("a53c9601")});
    QCOMPARE(under.link().learnedCode(RemoteCodeKind::Radio), Bytes("\xA5\x3C\x96\x01"));
}

void LinkE2eTest::closedPortFailsFast() {
    // A port that was just listened on and closed again: nothing listens there.
    std::uint16_t closedPort = 0;
    {
        SimProcess sim;
        QVERIFY2(sim.start(), qPrintable(sim.error()));
        closedPort = sim.tcpPort();
    }
    DeviceLink link;
    LinkSettings settings;
    settings.mode = 1;
    settings.ipText = "127.0.0.1";
    settings.tcpPort = closedPort;
    link.setSettings(settings, {});
    int failures = 0;
    QObject::connect(&link, &DeviceLink::connectFailed, [&failures] { ++failures; });
    link.connectNetwork();
    // Asynchronous: the call returns at once, the failure follows well within the 3 s time-out.
    QCOMPARE(failures, 0);
    QVERIFY(lumio::test::waitUntil([&] { return failures > 0; }, kConnectTimeoutMilliseconds));
    QCOMPARE(link.caption(), QStringLiteral("网络已断开"));
    QCOMPARE(connectFailedText(), QStringLiteral("建立连接失败"));
}

void LinkE2eTest::simulatorKilledMidWrite() {
    QFETCH(Pipe, pipe);
    SimProcess sim;
    // Paced like a real line, so the write is still running when the board goes away.
    QVERIFY2(sim.start({QStringLiteral("--baud"), QStringLiteral("115200")}), qPrintable(sim.error()));
    LinkUnderTest under;
    QVERIFY(under.open(sim, pipe));
    under.link().writeAll(programImageOfSize(40000, 5));
    QVERIFY(lumio::test::waitUntil([&] { return under.record().lastProgress >= 5; }, 20000));
    sim.kill();
    QCOMPARE(under.waitForEnd(LinkOperation::WriteAll, 10000), "Failed");
    QCOMPARE(under.record().lost, 1);
    QCOMPARE(under.record().messages.last(), linkLostText());
    QCOMPARE(under.link().caption(), pipe == Pipe::Tcp ? QStringLiteral("网络已断开") : QStringLiteral("串口未连接"));
    QCOMPARE(under.link().operation(), LinkOperation::Idle);

    // Nothing spins after the loss: half a second of event loop costs next to no CPU time.
    const double cpuBefore = processCpuMilliseconds();
    QElapsedTimer wall;
    wall.start();
    QTest::qWait(500);
    const double cpuUsed = processCpuMilliseconds() - cpuBefore;
    QVERIFY2(cpuUsed < 0.2 * static_cast<double>(wall.elapsed()), qPrintable(QStringLiteral("%1 ms CPU").arg(cpuUsed)));
    QCOMPARE(under.record().lost, 1);
    QCOMPARE(under.record().ended.size(), 1);
}

QTEST_GUILESS_MAIN(LinkE2eTest)
#include "link_e2e_test.moc"
