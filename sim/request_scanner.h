#pragma once
// Cuts the byte stream from the editor into requests. The board does not trust the stream to start at a
// frame boundary: at every position it tries the attention preamble, a 0x55 command and a CRC request to
// its own address, and takes the earliest one that is complete and passes its check. Bytes before it are
// noise (garbage, a torn frame, another module's traffic).
#include <cstdint>
#include <vector>

#include "sim/board_frames.h"
#include "sim/sim_bytes.h"

namespace lumio::sim {

struct ScanEvent {
    enum class Kind { Attention, Request, Noise };
    Kind kind = Kind::Noise;
    Request request;  // Kind::Request only
    Bytes bytes;      // the bytes this event consumed
};

class RequestScanner {
public:
    // Appends bytes and returns what they completed, in order.
    std::vector<ScanEvent> feed(ByteView bytes, std::uint8_t ownAddress);
    // The line fell silent: a torn frame will never complete, so its bytes are noise.
    std::vector<ScanEvent> flush();
    std::size_t buffered() const { return buffer_.size(); }

private:
    enum class Verdict { Invalid, Pending, Complete };
    struct Candidate {
        Verdict verdict = Verdict::Invalid;
        std::size_t length = 0;
        ScanEvent::Kind kind = ScanEvent::Kind::Noise;
    };
    Candidate evaluate(std::size_t start, std::uint8_t ownAddress) const;
    Candidate evaluateAttention(std::size_t start) const;
    Candidate evaluateCommand55(std::size_t start) const;
    Candidate evaluateCrcRequest(std::size_t start, std::uint8_t ownAddress) const;
    void takeNoise(std::size_t count, std::vector<ScanEvent>& events);

    Bytes buffer_;
};

// Reads a complete request that passed its check (used by the scanner; exposed for tests).
Request parseRequest(ByteView frame);

}  // namespace lumio::sim
