#include <gtest/gtest.h>

#include <vector>

#include "core/archive/rar_archive.h"
#include "core/checks/crc32.h"
#include "core/text/bytes.h"

namespace lumio {
namespace {

Bytes bytes(const std::vector<std::uint8_t>& values) { return Bytes(values.begin(), values.end()); }

std::uint32_t u32At(ByteView data, size_t offset) {
    return byteAt(data, offset) | byteAt(data, offset + 1) << 8 | byteAt(data, offset + 2) << 16 |
           static_cast<std::uint32_t>(byteAt(data, offset + 3)) << 24;
}
unsigned u16At(ByteView data, size_t offset) { return byteAt(data, offset) | byteAt(data, offset + 1) << 8; }

constexpr DosDateTime kTime{2026, 12, 1, 8, 30, 14};

TEST(Crc32, KnownValues) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(""), 0u);
    EXPECT_EQ(Crc32("abc"), 0x352441C2u);
}

TEST(DosTimeField, PacksDateAndTime) {
    // 2026-12-01 08:30:14: years 46, month 12, day 1, 8 h, 30 min, 7 two-second units.
    EXPECT_EQ(dosTimeField(kTime).value(), (46u << 25) | (12u << 21) | (1u << 16) | (8u << 11) | (30u << 5) | 7u);
    EXPECT_EQ(dosTimeField({1980, 1, 1, 0, 0, 0}).value(), 0x00210000u);
    for (const DosDateTime bad : {DosDateTime{1979, 12, 31, 0, 0, 0}, DosDateTime{2108, 1, 1, 0, 0, 0},
                                  DosDateTime{2026, 13, 1, 0, 0, 0}, DosDateTime{2026, 1, 0, 0, 0, 0},
                                  DosDateTime{2026, 1, 1, 24, 0, 0}, DosDateTime{2026, 1, 1, 0, 60, 0}})
        EXPECT_FALSE(dosTimeField(bad).has_value()) << bad.year << "-" << bad.month << "-" << bad.day;
}

TEST(StoredRarArchive, EmptyArchiveIsMarkerMainAndEndBlocks) {
    // The well-known fixed blocks of every RAR 4 archive without options.
    const Bytes expected = bytes({0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00,                          // marker
                                  0xCF, 0x90, 0x73, 0x00, 0x00, 0x0D, 0x00, 0, 0, 0, 0, 0, 0,    // main header
                                  0xC4, 0x3D, 0x7B, 0x00, 0x40, 0x07, 0x00});                    // end
    EXPECT_EQ(storedRarArchive({}).value(), expected);
}

TEST(StoredRarArchive, FileHeaderFields) {
    const std::vector<ArchiveEntry> entries{{"a.txt", "abc", kTime}};
    const Bytes archive = storedRarArchive(entries).value();
    const ByteView header = ByteView(archive).substr(20);
    EXPECT_EQ(byteAt(header, 2), 0x74);
    EXPECT_EQ(u16At(header, 3), 0x8000u);              // sizes follow; no Unicode name
    ASSERT_EQ(u16At(header, 5), 32u + 5u);             // header size
    EXPECT_EQ(u32At(header, 7), 3u);                   // packed size
    EXPECT_EQ(u32At(header, 11), 3u);                  // unpacked size
    EXPECT_EQ(byteAt(header, 15), 2);                  // Windows host
    EXPECT_EQ(u32At(header, 16), 0x352441C2u);         // file CRC
    EXPECT_EQ(u32At(header, 20), dosTimeField(kTime).value());
    EXPECT_EQ(byteAt(header, 24), 20);                 // version needed
    EXPECT_EQ(byteAt(header, 25), 0x30);               // stored
    EXPECT_EQ(u16At(header, 26), 5u);                  // name size
    EXPECT_EQ(u32At(header, 28), 0x20u);               // archive attribute
    EXPECT_EQ(header.substr(32, 5), "a.txt");
    EXPECT_EQ(u16At(header, 0), Crc32(header.substr(2, 35)) & 0xFFFF);
    EXPECT_EQ(header.substr(37, 3), "abc");
    EXPECT_EQ(header.substr(40), bytes({0xC4, 0x3D, 0x7B, 0x00, 0x40, 0x07, 0x00}));
}

TEST(StoredRarArchive, ChineseNameCarriesGbkAndUnicodeForms) {
    // "例程A.zt5": GBK C0 FD B3 CC, then 0, a zero high byte and the UTF-16 units, four to a flag
    // byte of code 2 each (AA), the last group of three (A8).
    const std::vector<ArchiveEntry> entries{{"例程A.zt5", "", kTime}};
    const Bytes archive = storedRarArchive(entries).value();
    const ByteView header = ByteView(archive).substr(20);
    EXPECT_EQ(u16At(header, 3), 0x8200u);
    const Bytes name = bytes({0xC0, 0xFD, 0xB3, 0xCC, 'A', '.', 'z', 't', '5', 0x00, 0x00,  //
                              0xAA, 0x8B, 0x4F, 0x0B, 0x7A, 'A', 0, '.', 0,                  //
                              0xA8, 'z', 0, 't', 0, '5', 0});
    ASSERT_EQ(u16At(header, 26), name.size());
    EXPECT_EQ(header.substr(32, name.size()), name);
    EXPECT_EQ(u32At(header, 16), 0u);  // CRC of an empty file
}

TEST(StoredRarArchive, RefusesWhatItCannotStore) {
    const struct {
        const char* reason;
        ArchiveEntry entry;
    } cases[] = {
        {"empty name", {"", "x", kTime}},
        {"folder", {"examples/a.zt5", "x", kTime}},
        {"backslash folder", {"examples\\a.zt5", "x", kTime}},
        {"dot dot", {"..", "x", kTime}},
        {"malformed UTF-8", {"\xE4\xBE", "x", kTime}},
        {"overlong UTF-8", {"\xC0\xAF", "x", kTime}},
        {"surrogate in UTF-8", {"\xED\xA0\x80", "x", kTime}},
        {"name longer than a header", {std::string(70000, 'a'), "x", kTime}},
        {"date before 1980", {"a.zt5", "x", {1970, 1, 1, 0, 0, 0}}},
    };
    for (const auto& c : cases) {
        const std::vector<ArchiveEntry> entries{c.entry};
        EXPECT_FALSE(storedRarArchive(entries).has_value()) << c.reason;
    }
    const std::vector<ArchiveEntry> twice{{"a.zt5", "x", kTime}, {"b.zt5", "y", kTime}, {"a.zt5", "z", kTime}};
    EXPECT_FALSE(storedRarArchive(twice).has_value());
}

}  // namespace
}  // namespace lumio
