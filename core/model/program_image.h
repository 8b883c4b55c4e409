#pragma once
// ProgramImage: the whole program as bytes. It is the content of a .zt5 file and, byte for byte, the
// image read from and written to a board.
//
//   0  2  FileSeal of bytes 2..T-1 (low byte first), computed last
//   2  4  T, big-endian, header included
//   6  4  format tag 05 01 00 01
//  10  2  CRC-16/MODBUS of the body (bytes 16..T-1), low byte first
//  12  2  FileSeal of the body, low byte first
//  14  2  CRC-16/MODBUS of bytes 2..13, low byte first
//  16     body: StoreImage of the main program, of functions 1..100 (id k), of threads 1..100
//         (id 500 + k, current edition only), then the names block when the names text is not
//         empty: length (text + 6, big-endian), 03 EA, the names text.
#include <array>
#include <cstdint>
#include <vector>

#include "core/edition.h"
#include "core/model/program.h"
#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::uint32_t kImageHeaderSize = 16;
inline constexpr std::uint32_t kMinProgramImage = 16;

// Largest image each edition accepts when it opens a file or receives a program.
std::uint32_t maxProgramImage(Edition edition);
bool hasThreads(Edition edition);

// What checkProgramImage found, in the order the checks apply.
enum class ImageCheck {
    Ok,
    LengthField,  // T outside 16..max, or fewer than 6 bytes to read it from
    Truncated,    // fewer than T bytes present
    Seal,
    FormatTag,
    BodyCrc,
    BodySeal,
    HeaderCrc,
};
const char* imageCheckName(ImageCheck check);

// Length of the body: the stores' image sizes plus the names block.
std::uint32_t programBodySize(const Program& program, Edition edition = Edition::Current);
Bytes buildProgramImage(const Program& program, Edition edition = Edition::Current);
// Writes the 16-byte header of `image`, whose first 16 bytes are reserved for it, for the body that
// follows them: length, format tag, the body's CRC and seal, the header CRC, then the seal of bytes 2..T-1.
void sealProgramImage(Bytes& image);
// Checks the first T bytes of `bytes` (T from bytes 2..5).
ImageCheck checkProgramImage(ByteView bytes, Edition edition = Edition::Current);
// The items of an image's body as the loader walks them: offset and length in the image, and id.
// `stop` is where the walk ended; bytes from there to T do not form an item and are not read.
struct ImageItem {
    size_t offset = 0;
    size_t length = 0;
    int id = 0;
};
struct ImageWalk {
    std::vector<ImageItem> items;
    size_t stop = 0;
};
ImageWalk walkProgramImage(ByteView image);

// Replaces the program with the content of an image that passed checkProgramImage. Items that do
// not tile the body end the walk; unknown ids are skipped.
void loadProgramImage(Program& program, ByteView image, Edition edition = Edition::Current);

// What loadProgramImage reads from an image, located without reading a statement: for each store the
// StoreImage of the last item with its id (a later item replaces an earlier one), and the text of the
// last names block that has one. Absent ones are empty.
struct ProgramImageItems {
    ByteView main;
    std::array<ByteView, kFunctionCount> functions;  // functions[k - 1] is function k
    std::array<ByteView, kThreadCount> threads;      // empty in the classic edition
    ByteView namesText;

    ByteView store(StoreRef ref) const;
};
ProgramImageItems findProgramImageItems(ByteView image, Edition edition = Edition::Current);
// The user names that loading the names text gives.
RenameTable loadedNames(ByteView namesText, Edition edition = Edition::Current);

}  // namespace lumio
