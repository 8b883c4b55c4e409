#include "core/archive/rar_archive.h"

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

#include "core/checks/crc32.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

constexpr char kMarkerBlock[] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr std::uint8_t kArchiveHeaderType = 0x73;
constexpr std::uint8_t kFileHeaderType = 0x74;
constexpr std::uint8_t kEndHeaderType = 0x7B;

constexpr std::uint16_t kLongBlock = 0x8000;    // the data size field follows the header size
constexpr std::uint16_t kUnicodeName = 0x0200;  // the name field holds an ANSI name, 0, the encoded UTF-16 name
constexpr std::uint16_t kEndFlags = 0x4000;     // old readers skip the block when updating

constexpr std::uint8_t kHostWindows = 2;         // attributes are Windows file attributes
constexpr std::uint8_t kVersionNeeded = 20;      // 2.0: every RAR 4 reader extracts stored files
constexpr std::uint8_t kMethodStore = 0x30;
constexpr std::uint32_t kArchiveAttribute = 0x20;
constexpr size_t kFileHeaderFixedSize = 32;

void appendU8(Bytes& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }
void appendU16(Bytes& out, std::uint16_t value) {
    appendU8(out, static_cast<std::uint8_t>(value & 0xFF));
    appendU8(out, static_cast<std::uint8_t>(value >> 8));
}
void appendU32(Bytes& out, std::uint32_t value) {
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

// Puts the header CRC in front of a header whose bytes from the type byte on are `rest`.
Bytes sealedHeader(const Bytes& rest) {
    Bytes header;
    appendU16(header, static_cast<std::uint16_t>(Crc32(rest) & 0xFFFF));
    return header + rest;
}

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot lead one.
int sequenceLength(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// Strict UTF-8 to UTF-16 code units; an error on malformed input.
Expected<std::u16string, std::string> utf16Units(std::string_view utf8) {
    std::u16string units;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + static_cast<size_t>(length) > utf8.size())
            return unexpected(std::string("malformed UTF-8"));
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) return unexpected(std::string("malformed UTF-8"));
            point = point << 6 | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return unexpected(std::string("malformed UTF-8"));
        if (point >= 0x10000) {
            point -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(point));
        }
        i += static_cast<size_t>(length);
    }
    return units;
}

// The encoded Unicode name: a high byte for the one-byte form (unused here, 0), then groups of up to
// four characters, each group led by a flag byte of four 2-bit codes, first code in the top bits.
// Every character is written with code 2: its UTF-16 unit, low byte then high byte.
Bytes encodedUnicodeName(const std::u16string& units) {
    Bytes encoded;
    appendU8(encoded, 0);
    for (size_t i = 0; i < units.size(); i += 4) {
        const size_t group = std::min<size_t>(4, units.size() - i);
        std::uint8_t flags = 0;
        for (size_t k = 0; k < group; ++k) flags |= static_cast<std::uint8_t>(2u << (6 - 2 * k));
        appendU8(encoded, flags);
        for (size_t k = 0; k < group; ++k) appendU16(encoded, units[i + k]);
    }
    return encoded;
}

bool isAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<std::uint8_t>(c) >= 0x80) return false;
    return true;
}

// The name field and whether it carries the Unicode form. Plain ASCII names are stored as they are;
// others as their GBK form (what a Chinese-locale reader without Unicode support shows), a zero
// byte and the encoded UTF-16 name.
Expected<std::pair<Bytes, bool>, std::string> nameField(const std::string& name) {
    if (name.empty()) return unexpected(std::string("empty file name"));
    if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
        return unexpected("file name with a folder: " + name);
    if (name.find('\0') != std::string::npos) return unexpected(std::string("file name with a zero byte"));
    if (isAscii(name)) return std::pair{Bytes(name), false};
    const auto units = utf16Units(name);
    if (!units) return unexpected(units.error() + " in a file name");
    return std::pair{toGbk(name) + '\0' + encodedUnicodeName(*units), true};
}

Bytes archiveHeader() {
    Bytes rest;
    appendU8(rest, kArchiveHeaderType);
    appendU16(rest, 0);
    appendU16(rest, 13);
    appendU16(rest, 0);
    appendU32(rest, 0);
    return sealedHeader(rest);
}

Bytes endHeader() {
    Bytes rest;
    appendU8(rest, kEndHeaderType);
    appendU16(rest, kEndFlags);
    appendU16(rest, 7);
    return sealedHeader(rest);
}

Expected<Bytes, std::string> fileBlock(const ArchiveEntry& entry) {
    const auto name = nameField(entry.name);
    if (!name) return unexpected(name.error());
    const auto& [field, unicode] = *name;
    if (kFileHeaderFixedSize + field.size() > std::numeric_limits<std::uint16_t>::max())
        return unexpected("file name too long: " + entry.name);
    if (entry.content.size() > std::numeric_limits<std::uint32_t>::max())
        return unexpected("file of 4 GiB or more: " + entry.name);
    const auto time = dosTimeField(entry.modified);
    if (!time) return unexpected(time.error() + ": " + entry.name);

    const auto size = static_cast<std::uint32_t>(entry.content.size());
    Bytes rest;
    appendU8(rest, kFileHeaderType);
    appendU16(rest, static_cast<std::uint16_t>(kLongBlock | (unicode ? kUnicodeName : 0)));
    appendU16(rest, static_cast<std::uint16_t>(kFileHeaderFixedSize + field.size()));
    appendU32(rest, size);  // packed size: stored, so the same
    appendU32(rest, size);
    appendU8(rest, kHostWindows);
    appendU32(rest, Crc32(entry.content));
    appendU32(rest, *time);
    appendU8(rest, kVersionNeeded);
    appendU8(rest, kMethodStore);
    appendU16(rest, static_cast<std::uint16_t>(field.size()));
    appendU32(rest, kArchiveAttribute);
    rest += field;
    return sealedHeader(rest) + entry.content;
}

}  // namespace

Expected<std::uint32_t, std::string> dosTimeField(const DosDateTime& time) {
    const bool valid = time.year >= 1980 && time.year <= 2107 && time.month >= 1 && time.month <= 12 &&
                       time.day >= 1 && time.day <= 31 && time.hour >= 0 && time.hour <= 23 && time.minute >= 0 &&
                       time.minute <= 59 && time.second >= 0 && time.second <= 59;
    if (!valid) return unexpected(std::string("date outside the DOS time field"));
    return static_cast<std::uint32_t>(time.year - 1980) << 25 | static_cast<std::uint32_t>(time.month) << 21 |
           static_cast<std::uint32_t>(time.day) << 16 | static_cast<std::uint32_t>(time.hour) << 11 |
           static_cast<std::uint32_t>(time.minute) << 5 | static_cast<std::uint32_t>(time.second / 2);
}

Expected<Bytes, std::string> storedRarArchive(std::span<const ArchiveEntry> entries) {
    Bytes archive(kMarkerBlock, sizeof kMarkerBlock);
    archive += archiveHeader();
    std::set<std::string> names;
    for (const auto& entry : entries) {
        // Extracting would silently keep only one of two files of the same name.
        if (!names.insert(entry.name).second) return unexpected("file name twice: " + entry.name);
        const auto block = fileBlock(entry);
        if (!block) return unexpected(block.error());
        archive += *block;
    }
    archive += endHeader();
    return archive;
}

}  // namespace lumio
