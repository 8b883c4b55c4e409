#pragma once
// The program text: a program file (.zt5) or block file (.hs5) as UTF-8 text that reads like the
// listing and converts back to the identical bytes. Each statement is one line, its listing line as
// the editor shows it followed by " | " and its stored record in hex; the stores stand under
// headings ("== main", "== function 7", "== thread 2"); the names text follows line by line; any
// other bytes the file holds appear in hex. docs/program-text.md describes the format.
//
// Importing is strict: the text must be exactly what exporting the resulting bytes gives (blank
// lines aside), so a listing line that disagrees with its record, or any other hand edit that the
// bytes do not bear out, is refused with its line number.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/edition.h"
#include "core/text/bytes.h"
#include "core/util/expected.h"

namespace lumio {

enum class FileKind { Program, Block };

inline constexpr std::string_view kProgramTextVersionLine = "lumio program text 1";
// The largest program text the importer reads.
inline constexpr size_t kMaxProgramText = 16 * 1024 * 1024;

// Why the bytes of a file would not open in the editor; empty when they would.
std::string fileRefusal(ByteView file, FileKind kind, Edition edition = Edition::Current);

// The text of a file's bytes as `edition` reads them (which stores a program has, how statements read);
// fails with fileRefusal's reason when the file would not open.
Expected<std::string, std::string> exportProgramText(ByteView file, FileKind kind, Edition edition = Edition::Current);

struct TextFailure {
    size_t line = 0;  // 1-based; 0 when the reason concerns the text as a whole
    std::string reason;
};
struct ImportedFile {
    FileKind kind = FileKind::Program;
    Edition edition = Edition::Current;
    Bytes bytes;
};
Expected<ImportedFile, TextFailure> importProgramText(std::string_view text);

}  // namespace lumio
