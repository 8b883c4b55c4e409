#include "sim/board_frames.h"

#include <cstdio>

#include "sim/board_checks.h"

namespace lumio::sim {
namespace {

Bytes countedReply(std::uint8_t address, std::uint8_t code, ByteView data)
{
    Bytes frame{address, code, static_cast<std::uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    appendCrc(frame);
    return frame;
}

bool startsWithAttention(ByteView frame)
{
    static constexpr std::uint8_t kStart[6] = {0xFF, 0x00, 0xFF, 0x00, 0xAA, 0x55};
    if (frame.size() < kAttentionLength)
        return false;
    for (std::size_t index = 0; index < 6; ++index) {
        if (frame[index] != kStart[index])
            return false;
    }
    return frame[kAttentionLength - 1] == 0x00;
}

}  // namespace

Bytes readProgramReply(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data)
{
    Bytes body;
    appendBigEndian16(body, index);
    appendBigEndian16(body, total);
    body.insert(body.end(), data.begin(), data.end());
    return countedReply(address, kReadProgram, body);
}

Bytes refusalReply(std::uint8_t address)
{
    return countedReply(address, kReadProgram, {});
}

Bytes registerReply(std::uint8_t address, ByteView data)
{
    return countedReply(address, kReadRegister, data);
}

Bytes blockAcknowledgement(std::uint8_t address, std::uint16_t index, std::uint16_t total)
{
    Bytes frame{address, kBlock};
    appendBigEndian16(frame, index);
    appendBigEndian16(frame, total);
    appendCrc(frame);
    return frame;
}

Bytes writeReply(std::uint8_t address, std::uint16_t registerNumber, std::uint8_t result)
{
    // Byte 3 carries the result; byte 2 echoes the register's low byte.
    Bytes frame{address, kWriteRegister, static_cast<std::uint8_t>(registerNumber & 0xFF), result, 0x00, 0x00};
    appendCrc(frame);
    return frame;
}

Bytes addressReply(std::uint8_t address)
{
    Bytes frame{kAddressReplyStart, address, 0x00, 0x00, 0x00, 0x00, 0x00};
    frame.push_back(byteSum(frame));
    return frame;
}

FrameFacts replyFacts(ByteView frame)
{
    FrameFacts facts;
    if (frame.size() < 2)
        return facts;
    if (frame[0] == kAddressReplyStart && frame.size() == 8) {
        facts.code = 'A';
        return facts;
    }
    facts.code = static_cast<char>(frame[1]);
    if (frame[1] == kBlock && frame.size() >= 6) {
        facts.blockIndex = readBigEndian16(frame, 2);
        facts.acknowledgement = true;
    } else if (frame[1] == kReadProgram && frame.size() >= 7 && frame[2] > 4) {
        facts.blockIndex = readBigEndian16(frame, 3);
    }
    return facts;
}

FrameFacts requestFacts(ByteView frame)
{
    if (startsWithAttention(frame))
        frame = frame.subspan(kAttentionLength);
    FrameFacts facts;
    if (frame.size() < 2)
        return facts;
    if (frame[0] == kCommand55) {
        facts.code = 'U';
        return facts;
    }
    facts.code = static_cast<char>(frame[1]);
    if (frame[1] == kBlock && frame.size() >= 4)
        facts.blockIndex = readBigEndian16(frame, 2);
    return facts;
}

std::string hexText(ByteView bytes)
{
    std::string text;
    text.reserve(bytes.size() * 3);
    char pair[4];
    for (const std::uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        if (!text.empty())
            text += ' ';
        text += pair;
    }
    return text;
}

std::string describeRequest(const Request& request)
{
    char text[96];
    switch (request.kind) {
    case RequestKind::ReadProgram:
        std::snprintf(text, sizeof text, "read-program p=%u", request.first);
        break;
    case RequestKind::ReadRegister:
        std::snprintf(text, sizeof text, "read register %u param %u", request.first, request.second);
        break;
    case RequestKind::Block:
        std::snprintf(text, sizeof text, "block %u of %u, %zu bytes", request.first, request.second,
                      request.data.size());
        break;
    case RequestKind::WriteRegister:
        std::snprintf(text, sizeof text, "write register %u, %zu bytes", request.first, request.data.size());
        break;
    case RequestKind::Command55:
        std::snprintf(text, sizeof text, "0x55 target %02X code %02X value %u", request.address, request.code,
                      static_cast<unsigned>(request.value));
        break;
    }
    return text;
}

}  // namespace lumio::sim
