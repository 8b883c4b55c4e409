// A whole firmware upgrade of a 97,580-byte image (1952 blocks, each acknowledged) by the lumio tool
// against lumio-board-sim over TCP on 127.0.0.1: wall time of the command.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/e2e/sim_process.h"

namespace {

constexpr int kImageSize = 97580;

void FirmwareUpgradeOverLoopback(benchmark::State& state) {
    int argc = 0;
    static QCoreApplication application(argc, nullptr);
    QTemporaryDir folder;
    QFile image(folder.filePath(QStringLiteral("at32f403avgt7.bin")));
    QByteArray bytes(kImageSize, '\0');
    for (int i = 0; i < kImageSize; ++i) bytes[i] = static_cast<char>((i * 37) & 0xFF);
    if (!image.open(QIODevice::WriteOnly) || image.write(bytes) != kImageSize) {
        state.SkipWithError("cannot write the image");
        return;
    }
    image.close();
    lumio::test::SimProcess sim;
    if (!sim.start()) {
        state.SkipWithError(sim.error().toUtf8().constData());
        return;
    }
    for (auto _ : state) {
        QProcess cli;
        QElapsedTimer timer;
        timer.start();
        cli.start(lumio::test::cliProgram(), {QStringLiteral("firmware"), QStringLiteral("--yes"), QStringLiteral("--image-dir"),
                                               folder.path(), QStringLiteral("--tcp"), sim.tcpTarget()});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
            state.SkipWithError(cli.readAllStandardError().constData());
            return;
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    state.counters["blocks"] = 1952;
}
BENCHMARK(FirmwareUpgradeOverLoopback)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
