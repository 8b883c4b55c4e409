#include "sim/request_scanner.h"

#include <algorithm>

#include "sim/board_checks.h"

namespace lumio::sim {
namespace {

// A torn frame longer than this can never complete (the longest request is 264 bytes).
constexpr std::size_t kBufferLimit = 1024;

bool isRequestCode(std::uint8_t code)
{
    return code == kReadProgram || code == kReadRegister || code == kBlock || code == kWriteRegister;
}

}  // namespace

Request parseRequest(ByteView frame)
{
    Request request;
    request.raw.assign(frame.begin(), frame.end());
    if (frame[0] == kCommand55 && frame.size() == 8 && !isRequestCode(frame[1])) {
        request.kind = RequestKind::Command55;
        request.address = frame[1];
        request.code = frame[2];
        request.value = (std::uint32_t{frame[3]} << 24) | (std::uint32_t{frame[4]} << 16) |
                        (std::uint32_t{frame[5]} << 8) | frame[6];
        return request;
    }
    request.address = frame[0];
    request.first = readBigEndian16(frame, 2);
    request.second = readBigEndian16(frame, 4);
    switch (frame[1]) {
    case kReadProgram:
        request.kind = RequestKind::ReadProgram;
        break;
    case kReadRegister:
        request.kind = RequestKind::ReadRegister;
        break;
    case kBlock:
        request.kind = RequestKind::Block;
        request.data.assign(frame.begin() + 7, frame.end() - 2);
        break;
    default:
        request.kind = RequestKind::WriteRegister;
        request.data.assign(frame.begin() + 7, frame.end() - 2);
        break;
    }
    return request;
}

RequestScanner::Candidate RequestScanner::evaluateAttention(std::size_t start) const
{
    static constexpr std::uint8_t kStart[6] = {0xFF, 0x00, 0xFF, 0x00, 0xAA, 0x55};
    const std::size_t available = buffer_.size() - start;
    for (std::size_t index = 0; index < 6 && index < available; ++index) {
        if (buffer_[start + index] != kStart[index])
            return {};
    }
    if (available < kAttentionLength)
        return {Verdict::Pending, kAttentionLength, ScanEvent::Kind::Attention};
    // The 13 identification characters are not checked: the board answers whatever text its editor sends.
    if (buffer_[start + kAttentionLength - 1] != 0x00)
        return {};
    return {Verdict::Complete, kAttentionLength, ScanEvent::Kind::Attention};
}

RequestScanner::Candidate RequestScanner::evaluateCommand55(std::size_t start) const
{
    constexpr std::size_t kLength = 8;
    if (buffer_[start] != kCommand55)
        return {};
    if (buffer_.size() - start < kLength)
        return {Verdict::Pending, kLength, ScanEvent::Kind::Request};
    const ByteView frame = ByteView(buffer_).subspan(start, kLength);
    if (isRequestCode(frame[1]) || byteSum(frame.first(7)) != frame[7])
        return {};
    return {Verdict::Complete, kLength, ScanEvent::Kind::Request};
}

RequestScanner::Candidate RequestScanner::evaluateCrcRequest(std::size_t start, std::uint8_t ownAddress) const
{
    const std::size_t available = buffer_.size() - start;
    if (buffer_[start] != ownAddress)
        return {};
    if (available < 2)
        return {Verdict::Pending, 0, ScanEvent::Kind::Request};
    const std::uint8_t code = buffer_[start + 1];
    if (!isRequestCode(code))
        return {};
    std::size_t length = 8;
    if (code == kBlock || code == kWriteRegister) {
        if (available < 7)
            return {Verdict::Pending, 0, ScanEvent::Kind::Request};
        const std::uint8_t count = buffer_[start + 6];
        // A write request repeats its length: 16 bits in bytes 4-5, the low byte again in byte 6.
        if (code == kWriteRegister && (buffer_[start + 4] != 0 || buffer_[start + 5] != count))
            return {};
        length = std::size_t{count} + 9;
    }
    if (available < length)
        return {Verdict::Pending, length, ScanEvent::Kind::Request};
    if (!crcMatches(ByteView(buffer_).subspan(start, length)))
        return {};
    return {Verdict::Complete, length, ScanEvent::Kind::Request};
}

RequestScanner::Candidate RequestScanner::evaluate(std::size_t start, std::uint8_t ownAddress) const
{
    Candidate best;
    for (const Candidate candidate :
         {evaluateAttention(start), evaluateCommand55(start), evaluateCrcRequest(start, ownAddress)}) {
        if (candidate.verdict == Verdict::Complete)
            return candidate;
        if (candidate.verdict == Verdict::Pending)
            best = candidate;
    }
    return best;
}

void RequestScanner::takeNoise(std::size_t count, std::vector<ScanEvent>& events)
{
    if (count == 0)
        return;
    ScanEvent noise;
    noise.bytes.assign(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
    events.push_back(std::move(noise));
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(count));
}

std::vector<ScanEvent> RequestScanner::feed(ByteView bytes, std::uint8_t ownAddress)
{
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<ScanEvent> events;
    while (!buffer_.empty()) {
        std::size_t firstPending = buffer_.size();
        bool found = false;
        for (std::size_t start = 0; start < buffer_.size(); ++start) {
            const Candidate candidate = evaluate(start, ownAddress);
            if (candidate.verdict == Verdict::Pending) {
                firstPending = std::min(firstPending, start);
                continue;
            }
            if (candidate.verdict != Verdict::Complete)
                continue;
            takeNoise(start, events);
            ScanEvent event;
            event.kind = candidate.kind;
            event.bytes.assign(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(candidate.length));
            if (candidate.kind == ScanEvent::Kind::Request)
                event.request = parseRequest(event.bytes);
            buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(candidate.length));
            events.push_back(std::move(event));
            found = true;
            break;
        }
        if (found)
            continue;
        // Nothing complete: keep only what may still become a frame.
        takeNoise(firstPending, events);
        if (buffer_.size() > kBufferLimit)
            takeNoise(buffer_.size() - kBufferLimit, events);
        break;
    }
    return events;
}

std::vector<ScanEvent> RequestScanner::flush()
{
    std::vector<ScanEvent> events;
    takeNoise(buffer_.size(), events);
    return events;
}

}  // namespace lumio::sim
