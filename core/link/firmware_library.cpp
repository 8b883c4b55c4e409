#include "core/link/firmware_library.h"

#include <fstream>
#include <system_error>

#include "core/settings/link_settings.h"
#include "core/settings/profile_text.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// The path as the user reads it (GBK).
std::string pathText(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return toGbk(std::string(utf8.begin(), utf8.end()));
}

FirmwareImage readImageFile(std::string_view chipName, const std::filesystem::path& path) {
    FirmwareImage image{std::string(chipName), FirmwareState::Unloadable, pathText(path), {}};
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return image;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kFirmwareSizeLimit) return image;
    std::ifstream file(path, std::ios::binary);
    Bytes bytes(static_cast<size_t>(size), '\0');
    if (!file.read(bytes.data(), static_cast<std::streamsize>(size))) return image;
    image.state = FirmwareState::Loaded;
    image.bytes = std::move(bytes);
    return image;
}

std::optional<FirmwareImage> findInFolders(std::string_view chipName, std::span<const std::filesystem::path> folders) {
    for (const std::filesystem::path& folder : folders) {
        if (folder.empty()) continue;
        const std::filesystem::path path = folder / firmwareFileName(chipName);
        std::error_code error;
        if (std::filesystem::exists(path, error)) return readImageFile(chipName, path);
    }
    return std::nullopt;
}

}  // namespace

std::string firmwareFileName(std::string_view chipName) { return std::string(chipName) + ".bin"; }

std::filesystem::path firmwareFolderSetting(ByteView profile) {
    const std::string folder = profileString(profile, kSettingsSection, kFirmwareFolderKey, kSettingsTextLimit);
    if (folder.empty()) return {};
    const std::string utf8 = toUtf8(folder);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

FirmwareCatalog loadFirmwareCatalog(std::span<const std::filesystem::path> folders) {
    FirmwareCatalog catalog;
    for (std::string_view chip : kFirmwareChips) {
        if (auto image = findInFolders(chip, folders)) {
            catalog.images.push_back(std::move(*image));
            continue;
        }
        FirmwareImage image{std::string(chip), FirmwareState::Missing, {}, {}};
        for (const EmbeddedFirmware& embedded : embeddedFirmware()) {
            if (embedded.chipName != chip || embedded.bytes.empty()) continue;
            image.state = FirmwareState::Loaded;
            image.source = toGbk("程序内置：") + firmwareFileName(chip);
            image.bytes.assign(embedded.bytes.begin(), embedded.bytes.end());
        }
        catalog.images.push_back(std::move(image));
    }
    return catalog;
}

}  // namespace lumio
