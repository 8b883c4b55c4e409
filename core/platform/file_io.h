#pragma once
// Reading and atomically replacing files. The only place in core that touches the file system.
#include <filesystem>
#include <string>
#include <system_error>

#include "core/text/bytes.h"
#include "core/util/expected.h"

namespace lumio {

// Why a file could not be read or written: the step that failed, the file and the system's error
// code. The text a user reads is made from it where the text is shown (the window in Chinese, the
// command line in English), never from a path in the system encoding passed along as if it were GBK.
struct FileIoFailure {
    enum class Step { Open, Read, Create, Write, Flush, Replace };
    Step step = Step::Open;
    std::filesystem::path path;
    std::error_code error;
};

// "cannot open <path>: <system text>", for the command line and logs.
std::string describeFailure(const FileIoFailure& failure);

// Reads at most `limit` bytes from the start of the file.
[[nodiscard]] Expected<Bytes, FileIoFailure> readFilePrefix(const std::filesystem::path& path, size_t limit);
[[nodiscard]] Expected<Bytes, FileIoFailure> readWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path`,
// so a crash or a full disk never leaves a half-written target: either the old file or the new one.
[[nodiscard]] Expected<void, FileIoFailure> writeFileAtomically(const std::filesystem::path& path, ByteView bytes);

}  // namespace lumio
