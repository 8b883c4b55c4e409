#include "sim/board_checks.h"

#include <array>

namespace lumio::sim {

std::uint16_t modbusCrc(ByteView bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            const bool carry = (crc & 1) != 0;
            crc = static_cast<std::uint16_t>(crc >> 1);
            if (carry)
                crc ^= 0xA001;
        }
    }
    return crc;
}

void appendCrc(Bytes& frame)
{
    const std::uint16_t crc = modbusCrc(frame);
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

bool crcMatches(ByteView frameWithCrc)
{
    if (frameWithCrc.size() < 3)
        return false;
    const std::size_t body = frameWithCrc.size() - 2;
    const std::uint16_t crc = modbusCrc(frameWithCrc.first(body));
    return frameWithCrc[body] == (crc & 0xFF) && frameWithCrc[body + 1] == (crc >> 8);
}

std::uint8_t byteSum(ByteView bytes)
{
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes)
        sum += byte;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::uint16_t imageSeal(ByteView bytes)
{
    const std::uint16_t crc = modbusCrc(bytes);
    const unsigned crcLow = crc & 0xFF;
    const unsigned crcHigh = crc >> 8;
    const auto length = static_cast<std::uint32_t>(bytes.size());
    std::uint32_t sum = 0;
    unsigned exclusive = 0;
    for (const std::uint8_t byte : bytes) {
        sum += byte;
        exclusive ^= byte;
    }
    std::array<std::uint8_t, 10> keys{};
    keys[0] = static_cast<std::uint8_t>(crcLow + crcHigh + 0x68);
    keys[1] = static_cast<std::uint8_t>((length >> 8) + 0x55);
    keys[2] = static_cast<std::uint8_t>(sum + 0x65);
    keys[3] = static_cast<std::uint8_t>(sum >> 14);
    keys[4] = static_cast<std::uint8_t>(length - 0x7A);
    keys[5] = static_cast<std::uint8_t>(sum >> 7);
    keys[6] = static_cast<std::uint8_t>(exclusive - 0x5B);
    keys[7] = static_cast<std::uint8_t>(crcHigh - 0x47);
    keys[8] = static_cast<std::uint8_t>(crcLow >> 1);
    unsigned keySum = 0;
    for (std::size_t index = 0; index < 9; ++index)
        keySum += keys[index];
    keys[9] = static_cast<std::uint8_t>(keySum);
    return modbusCrc(keys);
}

}  // namespace lumio::sim
