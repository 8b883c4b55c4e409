#include "core/link/frame_view.h"

#include <optional>

#include "core/link/frames.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

constexpr size_t kShortFrame = 8;

struct Candidate {
    size_t length;
    bool right;
    std::string kind;
};

bool sumChecks(ByteView frame) { return sum8(frame.substr(0, 7)) == byteAt(frame, 7); }

// The layouts that could start at `position`, the likeliest first. `needMore` is set when a layout needs
// more bytes than are left.
std::vector<Candidate> candidatesAt(ByteView bytes, size_t position, bool& needMore) {
    std::vector<Candidate> found;
    const ByteView rest = bytes.substr(position);
    const auto consider = [&](size_t length, std::string kind, bool (*check)(ByteView)) {
        if (length < 3) return;
        if (rest.size() < length) {
            needMore = true;
            return;
        }
        found.push_back({length, check(rest.substr(0, length)), std::move(kind)});
    };
    const Bytes preamble = attentionPreamble();
    if (rest.size() >= 6 && rest.substr(0, 6) == ByteView(preamble).substr(0, 6)) {
        consider(kPreambleSize, "preamble", [](ByteView frame) { return byteAt(frame, kPreambleSize - 1) == 0; });
    }
    if (!rest.empty() && byteAt(rest, 0) == kFrame55Marker) consider(kShortFrame, "55", sumChecks);
    if (!rest.empty() && byteAt(rest, 0) == kAddressReplyMarker) consider(kShortFrame, "22", sumChecks);
    if (rest.size() >= 2) {
        const std::uint8_t code = byteAt(rest, 1);
        const std::string kind(1, static_cast<char>(code));
        if (code == kReadProgramCode || code == kReadCode) {
            if (rest.size() >= 3) consider(size_t{byteAt(rest, 2)} + 5, kind, crcFrameChecks);
            consider(kShortFrame, kind, crcFrameChecks);
        } else if (code == kBlockCode || code == kWriteCode) {
            if (rest.size() >= 7) consider(size_t{byteAt(rest, 6)} + 9, kind, crcFrameChecks);
            consider(kShortFrame, kind, crcFrameChecks);
        }
    }
    return found;
}

void addUnframed(std::vector<CutFrame>& frames, char byte) {
    if (frames.empty() || frames.back().check != FrameCheck::NotFramed) frames.push_back({{}, "", FrameCheck::NotFramed});
    frames.back().bytes.push_back(byte);
}

}  // namespace

std::vector<CutFrame> cutFrames(ByteView bytes) {
    std::vector<CutFrame> frames;
    size_t position = 0;
    while (position < bytes.size()) {
        bool needMore = false;
        const std::vector<Candidate> candidates = candidatesAt(bytes, position, needMore);
        std::optional<Candidate> chosen;
        for (const Candidate& candidate : candidates) {
            if (candidate.right) {
                chosen = candidate;
                break;
            }
        }
        if (!chosen && needMore) {
            frames.push_back({Bytes(bytes.substr(position)), "", FrameCheck::Incomplete});
            break;
        }
        // A 0x55 or 0x22 start whose sum is wrong is shown as a wrong frame; a wrong CRC frame is too likely
        // to be a stray letter, so its bytes stay unframed.
        if (!chosen && !candidates.empty() && (candidates.front().kind == "55" || candidates.front().kind == "22")) {
            chosen = candidates.front();
        }
        if (!chosen) {
            addUnframed(frames, bytes[position++]);
            continue;
        }
        frames.push_back({Bytes(bytes.substr(position, chosen->length)), chosen->kind,
                          chosen->right ? FrameCheck::Right : FrameCheck::Wrong});
        position += chosen->length;
    }
    return frames;
}

std::string frameLine(const CutFrame& frame) {
    std::string label;
    switch (frame.check) {
    case FrameCheck::Right: label = frame.kind + toGbk(" 校验正确"); break;
    case FrameCheck::Wrong: label = frame.kind + toGbk(" 校验错误"); break;
    case FrameCheck::NotFramed: label = toGbk("非帧数据"); break;
    case FrameCheck::Incomplete: label = toGbk("未收完"); break;
    }
    return "[" + label + "] " + hexPairs(frame.bytes);
}

}  // namespace lumio
