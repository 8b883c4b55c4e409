#pragma once
// Reading and atomically replacing files. The only place in core that touches the file system.
#include <filesystem>
#include <string>

#include "core/text/bytes.h"
#include "core/util/expected.h"

namespace lumio {

// Reads at most `limit` bytes from the start of the file.
Expected<Bytes, std::string> readFilePrefix(const std::filesystem::path& path, size_t limit);
Expected<Bytes, std::string> readWholeFile(const std::filesystem::path& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path`,
// so a crash or a full disk never leaves a half-written target: either the old file or the new one.
Expected<void, std::string> writeFileAtomically(const std::filesystem::path& path, ByteView bytes);

}  // namespace lumio
