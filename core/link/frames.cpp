#include "core/link/frames.h"

#include <algorithm>

#include "core/checks/crc16.h"

namespace lumio {
namespace {

Bytes crcFrameHead(std::uint8_t address, std::uint8_t code) {
    Bytes frame;
    frame.push_back(static_cast<char>(address));
    frame.push_back(static_cast<char>(code));
    return frame;
}

ByteView cut255(ByteView data) { return data.substr(0, std::min<size_t>(data.size(), 255)); }

}  // namespace

bool isValidPreambleIdentification(std::string_view text) {
    return text.size() == kPreambleIdentificationSize &&
           std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

Bytes attentionPreamble(std::string_view identification) {
    Bytes preamble("\xFF\x00\xFF\x00\xAA\x55", 6);
    preamble += isValidPreambleIdentification(identification) ? identification : kDefaultPreambleIdentification;
    preamble.push_back('\0');
    return preamble;
}

void appendCrc(Bytes& frame) { appendU16LowFirst(frame, Crc16Modbus(frame)); }

bool crcFrameChecks(ByteView frame) {
    if (frame.size() < 3) return false;
    return readU16LowFirst(frame, frame.size() - 2) == Crc16Modbus(frame.substr(0, frame.size() - 2));
}

Bytes readProgramRequest(std::uint8_t address, std::uint16_t p) {
    Bytes frame = crcFrameHead(address, kReadProgramCode);
    appendU16BigEndian(frame, p);
    appendU16BigEndian(frame, 0);
    appendCrc(frame);
    return frame;
}

Bytes readRequest(std::uint8_t address, std::uint16_t registerNumber, std::uint16_t param) {
    Bytes frame = crcFrameHead(address, kReadCode);
    appendU16BigEndian(frame, registerNumber);
    appendU16BigEndian(frame, param);
    appendCrc(frame);
    return frame;
}

Bytes blockRequest(std::uint8_t address, std::uint16_t index, std::uint16_t total, ByteView data) {
    const ByteView body = cut255(data);
    Bytes frame = crcFrameHead(address, kBlockCode);
    frame.reserve(body.size() + 9);
    appendU16BigEndian(frame, index);
    appendU16BigEndian(frame, total);
    frame.push_back(static_cast<char>(body.size()));
    frame += body;
    appendCrc(frame);
    return frame;
}

Bytes writeRequest(std::uint8_t address, std::uint16_t registerNumber, ByteView data) {
    const ByteView body = cut255(data);
    Bytes frame = crcFrameHead(address, kWriteCode);
    appendU16BigEndian(frame, registerNumber);
    appendU16BigEndian(frame, static_cast<std::uint16_t>(body.size()));
    frame.push_back(static_cast<char>(body.size()));
    frame += body;
    appendCrc(frame);
    return frame;
}

std::uint8_t sum8(ByteView bytes) {
    unsigned sum = 0;
    for (char c : bytes) sum += static_cast<std::uint8_t>(c);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes frame55(std::uint8_t target, std::uint8_t code, std::uint32_t value) {
    Bytes frame;
    frame.push_back(static_cast<char>(kFrame55Marker));
    frame.push_back(static_cast<char>(target));
    frame.push_back(static_cast<char>(code));
    appendU32BigEndian(frame, value);
    frame.push_back(static_cast<char>(sum8(frame)));
    return frame;
}

ByteView CrcReply::data() const {
    if (frame.size() <= 3) return {};
    return frame.substr(3, std::min<size_t>(length(), frame.size() - 3));
}

}  // namespace lumio
