#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/model/program_files.h"
#include "core/platform/file_io.h"
#include "core/text/gbk.h"
#include "tests/core/model/model_fixtures.h"

namespace lumio {
namespace {

namespace fs = std::filesystem;
using testing::action;
using testing::condition;
using testing::markers;
using testing::numberedStore;

const fs::path kData = LUMIO_TEST_DATA;

class ProgramFiles : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("lumio-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }
    fs::path path(const std::string& name) const { return directory_ / name; }

    fs::path directory_;
};

TEST_F(ProgramFiles, SaveAppendsExtensionAndOpensAgain) {
    Program program;
    program.main.insertAfter(kAppend, condition(1, 1, 1));
    program.function(7).insertAfter(kAppend, action(1, 1, 1));
    program.names.entries.push_back({toGbk("全局整数5"), toGbk("温度")});
    auto written = saveProgramFile(program, path("plan"));
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, path("plan.zt5"));
    EXPECT_FALSE(fs::exists(path("plan")));

    Program loaded;
    ASSERT_TRUE(openProgramFile(loaded, path("plan.zt5")));
    EXPECT_EQ(loaded.main.statements, program.main.statements);
    EXPECT_EQ(loaded.function(7).statements, program.function(7).statements);
    EXPECT_EQ(displayName(&loaded.names, toGbk("全局整数5")), toGbk("温度"));
}

TEST_F(ProgramFiles, EmptyProgramFileIsSixteenBytes) {
    Program program;
    ASSERT_TRUE(saveProgramFile(program, path("empty.zt5")));
    EXPECT_EQ(fs::file_size(path("empty.zt5")), 16u);
    Program loaded;
    EXPECT_TRUE(openProgramFile(loaded, path("empty.zt5")));
}

TEST_F(ProgramFiles, RefusalsLeaveTheProgramUnchanged) {
    struct Case {
        const char* file;
        FileError error;
        const char* message;  // UTF-8; empty when silent
    };
    const Case cases[] = {
        {"capital_extension.ZT5", FileError::Extension, "文件类型出错！！！"},
        {"length_field_small.zt5", FileError::LengthField, ""},
        {"length_field_large.zt5", FileError::LengthField, ""},
        {"truncated.zt5", FileError::Truncated, "数据错误！！！"},
        {"seal.zt5", FileError::Seal, "数据错误！！！"},
        {"format_tag.zt5", FileError::FormatTag, "数据错误！！！"},
        {"body_crc.zt5", FileError::BodyCrc, "数据错误！！！"},
        {"body_seal.zt5", FileError::BodySeal, "数据错误！！！"},
        {"header_crc.zt5", FileError::HeaderCrc, "数据错误！！！"},
    };
    for (const auto& c : cases) {
        Program program;
        program.main = numberedStore(2);
        auto opened = openProgramFile(program, kData / "refuse" / c.file);
        ASSERT_FALSE(opened) << c.file;
        EXPECT_EQ(opened.error().error, c.error) << c.file;
        const UserMessage message = programFileMessage(opened.error());
        EXPECT_EQ(toUtf8(message.text), c.message) << c.file;
        if (!message.text.empty()) {
            EXPECT_EQ(toUtf8(message.caption), "提示");
        }
        EXPECT_EQ(markers(program.main), "0 1") << c.file;
    }
}

TEST_F(ProgramFiles, ShippedFilesOpen) {
    for (const auto& entry : fs::directory_iterator(kData / "open")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".zt5") {
            Program program;
            EXPECT_TRUE(openProgramFile(program, entry.path())) << name;
        } else if (entry.path().extension() == ".hs5") {
            ProgramStore store;
            EXPECT_TRUE(loadBlockFile(store, entry.path())) << name;
            EXPECT_FALSE(store.empty()) << name;
        }
    }
    Program mixed;
    ASSERT_TRUE(openProgramFile(mixed, kData / "open" / "mixed.zt5"));
    EXPECT_EQ(mixed.main.count(), 5u);
    EXPECT_EQ(mixed.main[3].colourCode, 3);
    EXPECT_EQ(mixed.thread(3).count(), 2u);
    EXPECT_EQ(displayName(&mixed.names, toGbk("输入3")), toGbk("启动键"));
}

TEST_F(ProgramFiles, ChangedLengthFieldFailsOrIsIgnored) {
    Program program;
    program.main = numberedStore(3);
    ASSERT_TRUE(saveProgramFile(program, path("p.zt5")));
    const Bytes good = *readWholeFile(path("p.zt5"));
    for (size_t i = 2; i <= 5; ++i) {
        Bytes changed = good;
        changed[i] = static_cast<char>(changed[i] ^ 0x01);
        std::ofstream(path("c.zt5"), std::ios::binary).write(changed.data(), static_cast<std::streamsize>(changed.size()));
        Program loaded;
        auto opened = openProgramFile(loaded, path("c.zt5"));
        ASSERT_FALSE(opened) << i;
        EXPECT_NE(opened.error().error, FileError::Extension);
    }
}

TEST_F(ProgramFiles, BlockFileExportAndImport) {
    ProgramStore main = numberedStore(3);
    auto written = saveBlockFile(main, path("part"));
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, path("part.hs5"));

    ProgramStore imported;
    ASSERT_TRUE(loadBlockFile(imported, path("part.hs5")));
    ProgramStore target = numberedStore(5);
    for (Statement& statement : imported.statements) statement.setParam2(static_cast<std::uint8_t>(statement.param2() + 10));
    target.insertStoreAfter(imported, 0);
    EXPECT_EQ(markers(target), "0 10 11 12 1 2 3 4");
}

TEST_F(ProgramFiles, BlockFileRefusals) {
    ProgramStore empty;
    ASSERT_TRUE(saveBlockFile(empty, path("empty.hs5")));
    EXPECT_EQ(*readWholeFile(path("empty.hs5")), Bytes("\x8B\xFC", 2));

    struct Case {
        fs::path file;
        FileError error;
        const char* message;
    };
    const Case cases[] = {
        {path("empty.hs5"), FileError::LengthField, ""},
        {kData / "refuse" / "empty_store.hs5", FileError::LengthField, ""},
        {kData / "refuse" / "block_seal.hs5", FileError::Seal, "数据错误！！！"},
        {kData / "refuse" / "block_truncated.hs5", FileError::Truncated, "数据错误！！！"},
        {kData / "refuse" / "block_extension.HS5", FileError::Extension, "文件扩展名出错"},
        {kData / "open" / "mixed.zt5", FileError::Extension, "文件扩展名出错"},
    };
    for (const auto& c : cases) {
        ProgramStore store = numberedStore(2);
        auto loaded = loadBlockFile(store, c.file);
        ASSERT_FALSE(loaded) << c.file;
        EXPECT_EQ(loaded.error().error, c.error) << c.file;
        EXPECT_EQ(toUtf8(blockFileMessage(loaded.error()).text), c.message) << c.file;
        EXPECT_EQ(markers(store), "0 1") << c.file;
    }
    EXPECT_EQ(toUtf8(blockFileMessage({FileError::Extension, {}}).caption), "提示：");
}

TEST_F(ProgramFiles, MissingFileIsUnreadable) {
    Program program;
    auto opened = openProgramFile(program, path("absent.zt5"));
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().error, FileError::Unreadable);
    // The failure names the file and the cause; the window makes the user's text of them.
    ASSERT_TRUE(opened.error().io);
    EXPECT_EQ(opened.error().io->step, FileIoFailure::Step::Open);
    EXPECT_EQ(opened.error().io->path, path("absent.zt5"));
    EXPECT_EQ(opened.error().io->error, std::errc::no_such_file_or_directory);
}

TEST_F(ProgramFiles, FailedSaveKeepsTheOldFile) {
    Program program;
    program.main = numberedStore(2);
    ASSERT_TRUE(saveProgramFile(program, path("keep.zt5")));
    const Bytes before = *readWholeFile(path("keep.zt5"));
    // The target's folder does not exist: nothing is written anywhere.
    EXPECT_FALSE(saveProgramFile(program, path("no-such-folder/keep.zt5")));
    // The target is a folder: the rename fails, the temporary file is removed.
    fs::create_directories(path("taken.zt5/inside"));
    EXPECT_FALSE(saveProgramFile(program, path("taken.zt5")));
    EXPECT_TRUE(fs::is_directory(path("taken.zt5/inside")));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory_)) ++entries;
    EXPECT_EQ(entries, 2);  // keep.zt5 and taken.zt5, no leftovers
    EXPECT_EQ(*readWholeFile(path("keep.zt5")), before);
}

TEST(SavedSizes, WarnsAboutImagesThatWouldNotOpen) {
    Program program;
    EXPECT_FALSE(checkSavedSizes(program).imageTooLarge);
    // 900 statements of 250 bytes: a 225,006-byte main store, over the 200,000 a store may hold.
    for (int i = 0; i < 900; ++i) {
        Statement statement = action(4, 1, 1);
        statement.setParam3(Bytes(243, 'x'));
        program.main.insertBefore(program.main.count(), statement);
    }
    program.function(3) = program.main;
    const SizeProblem current = checkSavedSizes(program);
    EXPECT_FALSE(current.imageTooLarge);
    EXPECT_EQ(toUtf8(current.storesTooLarge), "主程序, 函数3");
    const SizeProblem classic = checkSavedSizes(program, Edition::Classic);
    EXPECT_TRUE(classic.imageTooLarge);
    program.function(4) = program.main;
    EXPECT_TRUE(checkSavedSizes(program).imageTooLarge);
}

}  // namespace
}  // namespace lumio
