// Archives of the store-only RAR writer read back by an outside reader (bsdtar): awkward names and
// contents extract byte for byte under the names given.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/archive/rar_archive.h"
#include "core/platform/file_io.h"

namespace lumio {
namespace {

namespace fs = std::filesystem;

constexpr DosDateTime kTime{2026, 12, 10, 13, 5, 0};

// Runs a command and gives its standard output; the exit status in `status`.
std::string run(const std::string& command, int& status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        status = -1;
        return output;
    }
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, got);
    status = pclose(pipe);
    return output;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

class RarReader : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lumio_rar_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "out");
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Writes the archive, lists and extracts it with bsdtar, and checks every entry.
    void expectReadBack(const std::vector<ArchiveEntry>& entries) {
        const auto archive = storedRarArchive(entries);
        ASSERT_TRUE(archive.has_value()) << archive.error();
        const fs::path path = folder_ / "test.rar";
        ASSERT_TRUE(writeFileAtomically(path, *archive).has_value());

        int status = 0;
        const std::string listing = run(std::string(LUMIO_BSDTAR) + " -tf " + quoted(path), status);
        ASSERT_EQ(status, 0) << listing;
        std::string expected;
        for (const auto& entry : entries) expected += entry.name + "\n";
        EXPECT_EQ(listing, expected);

        const std::string log =
            run(std::string(LUMIO_BSDTAR) + " -xf " + quoted(path) + " -C " + quoted(folder_ / "out") + " 2>&1", status);
        ASSERT_EQ(status, 0) << log;
        for (const auto& entry : entries) {
            const auto content = readWholeFile(folder_ / "out" / fs::u8path(entry.name));
            ASSERT_TRUE(content.has_value()) << entry.name;
            EXPECT_EQ(*content == entry.content, true) << entry.name << ": " << content->size() << " bytes";
        }
    }

    fs::path folder_;
};

TEST_F(RarReader, ChineseNamesOfEveryLengthAroundAFlagGroup) {
    // The encoded name packs four characters to a flag byte: lengths 1..9 cross two group ends.
    const std::string characters[] = {"例", "程", "输", "入", "发", "送", "数", "据", "口"};
    std::vector<ArchiveEntry> entries;
    std::string name;
    for (const auto& character : characters) {
        name += character;
        entries.push_back({name, name + " content", kTime});
    }
    entries.push_back({"混合Name_1.zt5", "x", kTime});
    entries.push_back({"plain.txt", "ascii only", kTime});
    entries.push_back({"√ ✓ 𝄞.txt", "a character outside the basic plane", kTime});
    expectReadBack(entries);
}

TEST_F(RarReader, EmptyBinaryAndLargeFiles) {
    Bytes binary;
    for (int k = 0; k < 256; ++k) binary.push_back(static_cast<char>(k));
    Bytes large;
    for (std::uint32_t k = 0; k < 600000; ++k) large.push_back(static_cast<char>((k * 7919u) >> 3));
    expectReadBack({{"empty.bin", "", kTime}, {"bytes.bin", binary, kTime}, {"large.bin", large, kTime}});
}

TEST_F(RarReader, RefusesAHeaderThatFailsItsCrc) {
    // A changed byte in the file's name no longer matches the header CRC: the reader must notice, which
    // shows it checks the CRC the writer put there. (Readers do not all check a stored file's CRC-32;
    // the known CRC values in the core tests cover that one.)
    auto archive = storedRarArchive(std::vector<ArchiveEntry>{{"a.txt", "hello, board", kTime}});
    ASSERT_TRUE(archive.has_value());
    Bytes damaged = *archive;
    const size_t nameOffset = 20 + 32;
    ASSERT_EQ(damaged.substr(nameOffset, 5), "a.txt");
    damaged[nameOffset] = 'b';
    const fs::path path = folder_ / "damaged.rar";
    ASSERT_TRUE(writeFileAtomically(path, damaged).has_value());
    int status = 0;
    const std::string log = run(std::string(LUMIO_BSDTAR) + " -tf " + quoted(path) + " 2>&1", status);
    EXPECT_NE(status, 0) << log;
}

}  // namespace
}  // namespace lumio
