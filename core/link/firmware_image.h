#pragma once
// Firmware images for the board processors and the FirmwareHeader that describes one.
//
// FirmwareHeader (16 bytes, the data of block 10000):
//   0  4  08 00 60 00            load address 0x08006000, most significant byte first
//   4  4  image size             big-endian
//   8  2  00 00
//  10  2  CRC-16/MODBUS of the image, low byte first
//  12  1  low 8 bits of the sum of the image bytes
//  13  1  XOR of the image bytes
//  14  2  reserved, sent as 00 00
// The image follows in blocks 10001, 10002, ... of 50 bytes (the last one shorter).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::uint16_t kFirmwareHeaderBlock = 10000;
inline constexpr std::uint32_t kFirmwareBlockSize = 50;
inline constexpr size_t kFirmwareHeaderSize = 16;
inline constexpr std::uint32_t kFirmwareLoadAddress = 0x08006000;
// Block indexes are 16 bits and start after the header's 10000, so an image has at most 55535 blocks.
inline constexpr std::uint32_t kFirmwareBlockLimit = 0xFFFF - kFirmwareHeaderBlock;
inline constexpr std::uint32_t kFirmwareSizeLimit = kFirmwareBlockLimit * kFirmwareBlockSize;

// The chips whose images the editor can send, as the board names them (exact, case-sensitive).
inline constexpr std::string_view kFirmwareChips[] = {"at32f403avgt7", "stm32g0b0"};

std::uint32_t firmwareBlockTotal(std::uint32_t imageSize);
Bytes firmwareHeader(ByteView image);

// One chip's image as the editor found it.
enum class FirmwareState : std::uint8_t { Missing, Unloadable, Loaded };
struct FirmwareImage {
    std::string chipName;
    FirmwareState state = FirmwareState::Missing;
    std::string source;  // the file or "built in" (GBK), empty when missing
    Bytes bytes;
};

// The images at hand for this upgrade, looked up by the chip name the board reports.
struct FirmwareCatalog {
    std::vector<FirmwareImage> images;
    // nullptr when the chip is none of kFirmwareChips or has no entry.
    const FirmwareImage* find(std::string_view chipName) const;
};

}  // namespace lumio
