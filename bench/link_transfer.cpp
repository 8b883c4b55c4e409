// End-to-end write of a whole program to lumio-board-sim, timed: a 499,999-byte image over loopback TCP
// and over the simulator's pseudo-terminal with its replies paced at 115,200 baud. Prints each run's
// time, time per block and its ratio to the figure it is held against:
//   TCP: 2 s for the whole image (0.2 ms a block);
//   pty: the stop-and-wait bound of a 115,200-baud line, (59-byte block + 8-byte acknowledgement) x 10
//        bits per block, about 5.8 ms.
// Usage: link_transfer [--size BYTES] [--only tcp|pty]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <string>

#include "link/device_link.h"
#include "tests/e2e/program_images.h"
#include "tests/e2e/sim_process.h"

using namespace lumio;

namespace {

constexpr double kTcpBoundSeconds = 2.0;
constexpr double kBaud = 115200.0;
constexpr double kBlockFrameBytes = 59.0;
constexpr double kAcknowledgementBytes = 8.0;

struct Result {
    bool ok = false;
    double seconds = 0;
};

Result timeWrite(bool overTcp, const Bytes& image) {
    test::SimProcess sim;
    const QStringList pacing = overTcp ? QStringList{} : QStringList{QStringLiteral("--baud"), QStringLiteral("115200")};
    if (!sim.start(pacing)) {
        std::fprintf(stderr, "simulator did not start: %s\n", qPrintable(sim.error()));
        return {};
    }
    DeviceLink link;
    LinkSettings settings;
    settings.mode = overTcp ? 1 : 0;
    settings.ipText = "127.0.0.1";
    settings.tcpPort = sim.tcpPort();
    link.setSettings(settings, sim.ptyPath());
    link.setSerialBaud(115200);
    if (overTcp) {
        link.connectNetwork();
        if (!QTest::qWaitFor([&] { return link.isNetworkConnected(); }, 5000)) return {};
    } else if (!link.openSerial()) {
        return {};
    }
    // A plain event loop, ended by the operation's end: QTest::qWaitFor naps between its rounds, which
    // would be timed along with the link.
    QEventLoop loop;
    bool ended = false;
    Outcome outcome = Outcome::Failed;
    QObject::connect(&link, &DeviceLink::operationEnded, &loop, [&](LinkOperation operation, Outcome how) {
        if (operation != LinkOperation::WriteAll) return;
        ended = true;
        outcome = how;
        loop.quit();
    });
    QTimer::singleShot(600000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    link.writeAll(image);
    if (!ended) loop.exec();
    return {ended && outcome == Outcome::Completed, static_cast<double>(timer.nsecsElapsed()) / 1e9};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::size_t size = 499999;
    std::string only;
    for (int index = 1; index + 1 < argc; index += 2) {
        if (std::strcmp(argv[index], "--size") == 0) size = std::stoul(argv[index + 1]);
        if (std::strcmp(argv[index], "--only") == 0) only = argv[index + 1];
    }
    const Bytes image = test::programImageOfSize(size, 11);
    const double blocks = static_cast<double>((image.size() + kTransferBlockSize - 1) / kTransferBlockSize);
    std::printf("image %zu bytes, %.0f blocks\n", image.size(), blocks);
    int failures = 0;
    if (only.empty() || only == "tcp") {
        const Result tcp = timeWrite(true, image);
        failures += tcp.ok ? 0 : 1;
        std::printf("tcp loopback: %s %.3f s, %.3f ms a block, %.2f of the 2 s figure\n", tcp.ok ? "written" : "FAILED",
                    tcp.seconds, tcp.seconds * 1000 / blocks, tcp.seconds / kTcpBoundSeconds);
    }
    if (only.empty() || only == "pty") {
        const double boundPerBlock = (kBlockFrameBytes + kAcknowledgementBytes) * 10.0 / kBaud;
        const Result pty = timeWrite(false, image);
        failures += pty.ok ? 0 : 1;
        std::printf("pty at 115200: %s %.3f s, %.3f ms a block, %.3f of the stop-and-wait bound (%.3f ms a block)\n",
                    pty.ok ? "written" : "FAILED", pty.seconds, pty.seconds * 1000 / blocks,
                    pty.seconds / (boundPerBlock * blocks), boundPerBlock * 1000);
    }
    return failures == 0 ? 0 : 1;
}
