#pragma once
// A store-only writer of RAR 4.x archives: the files are kept as they are (method "store"), so any
// RAR reader can list and extract them without a decompressor. Used to build the example archive
// that the classic editor saves.
//
// Layout (numbers little-endian):
//   marker block      52 61 72 21 1A 07 00
//   archive header    CRC16, 73, flags 0000, size 13, six reserved zero bytes
//   per file          file header (type 74) followed by the file's bytes
//   end of archive    CRC16, 7B, flags 4000, size 7
// Each header's CRC16 is the low half of the CRC-32 of the header from its type byte to its end.
#include <cstdint>
#include <span>
#include <string>

#include "core/text/bytes.h"
#include "core/util/expected.h"

namespace lumio {

// A local date and time as the archive's MS-DOS time field holds it (two-second resolution,
// years 1980..2107).
struct DosDateTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct ArchiveEntry {
    std::string name;  // UTF-8, one file name without folders
    Bytes content;
    DosDateTime modified;
};

// The DOS time field: seconds / 2 in bits 0-4, minutes 5-10, hours 11-15, day 16-20, month 21-24,
// years since 1980 25-31. Empty when the date is out of the field's range.
Expected<std::uint32_t, std::string> dosTimeField(const DosDateTime& time);

// The archive's bytes, or why the entries cannot be stored: an empty, malformed (UTF-8) or
// folder-bearing name, a name given twice, a name too long for its header, a file of 4 GiB or more, a bad date.
Expected<Bytes, std::string> storedRarArchive(std::span<const ArchiveEntry> entries);

}  // namespace lumio
