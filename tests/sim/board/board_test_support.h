#pragma once
// Requests as an editor sends them, built here by hand so the model is checked against bytes, not against
// its own builders.
#include <cstdint>
#include <string_view>

#include "sim/board_checks.h"
#include "sim/board_model.h"
#include "sim/sim_bytes.h"

namespace lumio::sim::test {

inline Bytes hex(std::string_view text)
{
    Bytes bytes;
    unsigned value = 0;
    int digits = 0;
    for (const char character : text) {
        int digit = -1;
        if (character >= '0' && character <= '9')
            digit = character - '0';
        else if (character >= 'A' && character <= 'F')
            digit = character - 'A' + 10;
        else if (character >= 'a' && character <= 'f')
            digit = character - 'a' + 10;
        if (digit < 0)
            continue;
        value = value * 16 + static_cast<unsigned>(digit);
        if (++digits == 2) {
            bytes.push_back(static_cast<std::uint8_t>(value));
            value = 0;
            digits = 0;
        }
    }
    return bytes;
}

inline Bytes withCrc(Bytes frame)
{
    appendCrc(frame);
    return frame;
}

inline Bytes readRegisterRequest(std::uint8_t address, std::uint16_t registerNumber)
{
    return withCrc({address, 0x69, static_cast<std::uint8_t>(registerNumber >> 8),
                    static_cast<std::uint8_t>(registerNumber), 0x00, 0x00});
}

inline Bytes writeRegisterRequest(std::uint8_t address, std::uint16_t registerNumber, ByteView data)
{
    Bytes frame{address, 0x6C, static_cast<std::uint8_t>(registerNumber >> 8), static_cast<std::uint8_t>(registerNumber),
                0x00, static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    return withCrc(frame);
}

inline Bytes readProgramRequest(std::uint8_t address, bool next)
{
    return withCrc({address, 0x67, 0x00, static_cast<std::uint8_t>(next ? 1 : 0), 0x00, 0x00});
}

inline Bytes blockRequest(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data)
{
    Bytes frame{address, 0x6A};
    appendBigEndian16(frame, index);
    appendBigEndian16(frame, total);
    frame.push_back(static_cast<std::uint8_t>(data.size()));
    frame.insert(frame.end(), data.begin(), data.end());
    return withCrc(frame);
}

inline Bytes attention()
{
    Bytes bytes{0xFF, 0x00, 0xFF, 0x00, 0xAA, 0x55};
    for (const char character : std::string_view("LUMIO-EDITOR1"))
        bytes.push_back(static_cast<std::uint8_t>(character));
    bytes.push_back(0x00);
    return bytes;
}

// The one reply frame of an exchange (fails the test through the caller's checks when there is not one).
inline Bytes onlyReply(const Exchange& exchange)
{
    return exchange.replies.size() == 1 ? exchange.replies.front() : Bytes{};
}

}  // namespace lumio::sim::test
