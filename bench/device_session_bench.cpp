// The device session's own cost over a whole transfer of the largest image (499,999 bytes, 10,000
// blocks): what it adds per received byte, and the bookkeeping of writing all blocks.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/link/device_session.h"
#include "core/model/program_image.h"

namespace {

using namespace lumio;

constexpr std::uint32_t kImageSize = 499999;
constexpr std::uint16_t kBlocks = 10000;
constexpr std::uint8_t kAddress = 1;

Bytes largestImage() {
    Bytes image(kImageHeaderSize, '\0');
    for (std::uint32_t i = kImageHeaderSize; i < kImageSize; ++i) image.push_back(static_cast<char>(i * 13));
    sealProgramImage(image);
    return image;
}

Bytes crcReply(std::uint8_t code, ByteView body) {
    Bytes frame;
    frame.push_back(static_cast<char>(kAddress));
    frame.push_back(static_cast<char>(code));
    frame += body;
    appendCrc(frame);
    return frame;
}

std::vector<Bytes> acknowledgements() {
    std::vector<Bytes> acks;
    for (std::uint16_t index = 0; index < kBlocks; ++index) {
        Bytes body;
        appendU16BigEndian(body, index);
        appendU16BigEndian(body, kBlocks);
        acks.push_back(crcReply(kBlockCode, body));
    }
    return acks;
}

std::vector<Bytes> programBlocks(const Bytes& image) {
    std::vector<Bytes> blocks;
    for (std::uint16_t index = 0; index < kBlocks; ++index) {
        const ByteView data = ByteView(image).substr(size_t{index} * 50, 50);
        Bytes body(1, static_cast<char>(data.size() + 4));
        appendU16BigEndian(body, index);
        appendU16BigEndian(body, kBlocks);
        body += data;
        blocks.push_back(crcReply(kReadProgramCode, body));
    }
    return blocks;
}

size_t totalSize(const std::vector<Bytes>& frames) {
    size_t total = 0;
    for (const Bytes& frame : frames) total += frame.size();
    return total;
}

// Write all of 10,000 blocks: start, every acknowledgement, every next block built and sent.
void BM_WriteAllWhole(benchmark::State& state) {
    const Bytes image = largestImage();
    const std::vector<Bytes> acks = acknowledgements();
    for (auto _ : state) {
        DeviceSession session;
        benchmark::DoNotOptimize(session.writeAll(image));
        for (const Bytes& ack : acks) benchmark::DoNotOptimize(session.receive(ack));
        if (session.operation() != LinkOperation::Idle) state.SkipWithError("write did not finish");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * totalSize(acks)));
    state.counters["ns_per_received_byte"] = benchmark::Counter(
        static_cast<double>(state.iterations() * totalSize(acks)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_WriteAllWhole)->Unit(benchmark::kMillisecond);

// Read all of 10,000 blocks: every block stored, every next request sent, the image checked and offered.
void BM_ReadAllWhole(benchmark::State& state) {
    const std::vector<Bytes> blocks = programBlocks(largestImage());
    for (auto _ : state) {
        DeviceSession session;
        benchmark::DoNotOptimize(session.readAll());
        for (const Bytes& block : blocks) benchmark::DoNotOptimize(session.receive(block));
        if (session.operation() != LinkOperation::Idle) state.SkipWithError("read did not finish");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * totalSize(blocks)));
    state.counters["ns_per_received_byte"] = benchmark::Counter(
        static_cast<double>(state.iterations() * totalSize(blocks)),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_ReadAllWhole)->Unit(benchmark::kMillisecond);

// The resend clock while a write waits: one tick.
void BM_TickWhileWriting(benchmark::State& state) {
    DeviceSession session;
    session.writeAll(largestImage());
    for (auto _ : state) benchmark::DoNotOptimize(session.tick());
}
BENCHMARK(BM_TickWhileWriting);

}  // namespace
