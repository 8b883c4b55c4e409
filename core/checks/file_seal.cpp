#include "core/checks/file_seal.h"

#include "core/checks/crc16.h"

namespace lumio {

std::array<std::uint8_t, 10> fileSealKey(ByteView bytes) {
    const std::uint16_t crc = Crc16Modbus(bytes);
    const std::uint8_t low = crc & 0xFF;
    const std::uint8_t high = crc >> 8;
    std::uint8_t xorAll = 0;
    std::uint32_t sum = 0;
    for (char c : bytes) {
        xorAll ^= static_cast<std::uint8_t>(c);
        sum += static_cast<std::uint8_t>(c);
    }
    const auto n = static_cast<std::uint32_t>(bytes.size());
    std::array<std::uint8_t, 10> key{};
    key[0] = static_cast<std::uint8_t>(low + high + 0x68);
    key[1] = static_cast<std::uint8_t>((n >> 8) + 0x55);
    key[2] = static_cast<std::uint8_t>(sum + 0x65);
    key[3] = static_cast<std::uint8_t>(sum >> 14);
    key[4] = static_cast<std::uint8_t>(n - 0x7A);
    key[5] = static_cast<std::uint8_t>(sum >> 7);
    key[6] = static_cast<std::uint8_t>(xorAll - 0x5B);
    key[7] = static_cast<std::uint8_t>(high - 0x47);
    key[8] = static_cast<std::uint8_t>(low >> 1);
    std::uint8_t total = 0;
    for (int i = 0; i < 9; ++i) total = static_cast<std::uint8_t>(total + key[static_cast<size_t>(i)]);
    key[9] = total;
    return key;
}

std::uint16_t FileSeal(ByteView bytes) {
    const auto key = fileSealKey(bytes);
    return Crc16Modbus(ByteView(reinterpret_cast<const char*>(key.data()), key.size()));
}

}  // namespace lumio
