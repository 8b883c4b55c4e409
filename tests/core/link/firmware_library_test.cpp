#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/link/firmware_library.h"
#include "core/settings/profile_text.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

namespace fs = std::filesystem;

class FirmwareLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("lumio-firmware-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "settings");
        fs::create_directories(root_ / "beside");
    }
    void TearDown() override { fs::remove_all(root_); }

    void write(const fs::path& path, const Bytes& bytes) {
        std::ofstream file(path, std::ios::binary);
        file << bytes;
    }

    fs::path root_;
};

TEST_F(FirmwareLibrary, FirstFolderWithTheFileWinsPerChip) {
    write(root_ / "settings" / "stm32g0b0.bin", "from settings");
    write(root_ / "beside" / "stm32g0b0.bin", "beside");
    write(root_ / "beside" / "at32f403avgt7.bin", "at beside");
    const fs::path folders[] = {root_ / "settings", fs::path(), root_ / "beside"};
    const FirmwareCatalog catalog = loadFirmwareCatalog(folders);
    ASSERT_TRUE(catalog.find("stm32g0b0"));
    EXPECT_EQ(catalog.find("stm32g0b0")->bytes, "from settings");
    EXPECT_EQ(catalog.find("at32f403avgt7")->bytes, "at beside");
    EXPECT_EQ(catalog.find("at32f403avgt7")->state, FirmwareState::Loaded);
    EXPECT_NE(catalog.find("at32f403avgt7")->source.find("at32f403avgt7.bin"), std::string::npos);
    EXPECT_EQ(catalog.find("other"), nullptr);
}

TEST_F(FirmwareLibrary, MissingEmptyAndUnreadableImages) {
    write(root_ / "beside" / "at32f403avgt7.bin", "");
    fs::create_directories(root_ / "beside" / "stm32g0b0.bin");  // a folder where the file should be
    const fs::path folders[] = {root_ / "beside"};
    const FirmwareCatalog catalog = loadFirmwareCatalog(folders);
    EXPECT_EQ(catalog.find("at32f403avgt7")->state, FirmwareState::Unloadable);
    EXPECT_EQ(catalog.find("stm32g0b0")->state, FirmwareState::Unloadable);
    // Nothing ships with the project, so nothing is built in unless a packager supplied it.
    if (embeddedFirmware().empty()) {
        for (const FirmwareImage& image : loadFirmwareCatalog({}).images) EXPECT_EQ(image.state, FirmwareState::Missing);
    }
}

TEST_F(FirmwareLibrary, SettingsKeyNamesTheFolder) {
    const Bytes profile = withProfileValue("", "canshu_v2", "firmware_dir", toGbk("D:\\固件"));
    EXPECT_EQ(firmwareFolderSetting(profile), fs::path(u8"D:\\固件"));
    EXPECT_EQ(firmwareFolderSetting(""), fs::path());
}

}  // namespace
}  // namespace lumio
