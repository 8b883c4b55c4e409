#pragma once
// Where the editor finds the firmware images: the images ship with the board vendor's firmware, never
// with the editor. For each chip the first of these that holds "<chip>.bin" is used:
//   1. the folder named by the key firmware_dir of the settings file (section "canshu_v2");
//   2. the folder "firmware" beside the program;
//   3. an image built into the program (images found in the source folder given at configure time).
// A file that cannot be read, is empty, or is larger than an upgrade can carry is "not loadable"; a chip
// with no image anywhere is "missing".
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/link/firmware_image.h"
#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::string_view kFirmwareFolderKey = "firmware_dir";
inline constexpr std::string_view kFirmwareFolderName = "firmware";

std::string firmwareFileName(std::string_view chipName);

// The folder of the settings key, empty when it is not set.
std::filesystem::path firmwareFolderSetting(ByteView profile);

// An image compiled into the program.
struct EmbeddedFirmware {
    std::string_view chipName;
    std::span<const unsigned char> bytes;
};
std::span<const EmbeddedFirmware> embeddedFirmware();

// Looks in `folders` in order (empty paths are skipped), then in the embedded images.
FirmwareCatalog loadFirmwareCatalog(std::span<const std::filesystem::path> folders);

}  // namespace lumio
