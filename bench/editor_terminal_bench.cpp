// The debug terminal fed a continuous 115,200-baud stream (11,520 bytes a second, 576 bytes every 50 ms)
// for ten minutes of batches (about 6.9 MB): the time of each batch (bytes in, then the 50 ms flush into
// the receive box), wall-clock and processor time, and the text kept, which stays bounded.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>

#include "bench/thread_cpu_clock.h"
#include "tests/ui/support/recording_tool_link.h"
#include "tests/ui/support/scripted_prompter.h"
#include "ui/tools/terminal_dialog.h"

namespace {

constexpr int kBatchBytes = 576;
constexpr int kBatches = 12000;  // 10 minutes of 50 ms batches

QApplication& application() {
    static int argc = 1;
    static char name[] = "editor_terminal_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A line-oriented text stream (a board printing readings) or raw bytes shown as hexadecimal.
void TerminalStream(benchmark::State& state) {
    application();
    const bool hex = state.range(0) != 0;
    lumio::Bytes batch;
    while (batch.size() < kBatchBytes) batch += "T=25.31 H=40.2 P=1013.2 ADC0=0512 ADC1=1023\r\n";
    batch.resize(kBatchBytes);
    for (auto _ : state) {
        lumio::testing::RecordingToolLink link;
        lumio::testing::ScriptedPrompter prompter;
        lumio::Ctiaoshi_helper_dlg dialog(link, prompter);
        dialog.open();
        if (hex) dialog.control(1064)->setProperty("checked", true);
        double longest = 0;
        double longestCpu = 0;
        double total = 0;
        size_t largestText = 0;
        QElapsedTimer timer;
        for (int i = 0; i < kBatches; ++i) {
            timer.start();
            const double cpuStart = lumio::bench::threadCpuMilliseconds();
            dialog.receiveBytes(batch);
            dialog.flushPending();
            const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            longest = std::max(longest, milliseconds);
            const double cpu = lumio::bench::threadCpuMilliseconds() - cpuStart;
            longestCpu = std::max(longestCpu, cpu);
            total += milliseconds;
            largestText = std::max(largestText, dialog.received().text().size());
            QCoreApplication::processEvents();
        }
        state.counters["batch_max_ms"] = longest;
        state.counters["batch_max_cpu_ms"] = longestCpu;
        state.counters["batch_mean_ms"] = total / kBatches;
        state.counters["text_max_MB"] = static_cast<double>(largestText) / (1024.0 * 1024.0);
        state.counters["stream_MB"] = static_cast<double>(kBatchBytes) * kBatches / 1e6;
    }
}
BENCHMARK(TerminalStream)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
