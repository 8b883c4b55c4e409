#include "core/link/firmware_image.h"

#include <algorithm>

#include "core/checks/crc16.h"

namespace lumio {

std::uint32_t firmwareBlockTotal(std::uint32_t imageSize) {
    return (imageSize + kFirmwareBlockSize - 1) / kFirmwareBlockSize;
}

Bytes firmwareHeader(ByteView image) {
    Bytes header;
    appendU32BigEndian(header, kFirmwareLoadAddress);
    appendU32BigEndian(header, static_cast<std::uint32_t>(image.size()));
    header.append(2, '\0');
    const std::uint16_t crc = Crc16Modbus(image);
    header.push_back(static_cast<char>(crc & 0xFF));
    header.push_back(static_cast<char>(crc >> 8));
    std::uint8_t sum = 0;
    std::uint8_t parity = 0;
    for (char c : image) {
        sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(c));
        parity = static_cast<std::uint8_t>(parity ^ static_cast<std::uint8_t>(c));
    }
    header.push_back(static_cast<char>(sum));
    header.push_back(static_cast<char>(parity));
    header.append(2, '\0');
    return header;
}

const FirmwareImage* FirmwareCatalog::find(std::string_view chipName) const {
    if (std::ranges::find(kFirmwareChips, chipName) == std::end(kFirmwareChips)) return nullptr;
    const auto found = std::ranges::find(images, chipName, &FirmwareImage::chipName);
    return found != images.end() ? &*found : nullptr;
}

}  // namespace lumio
