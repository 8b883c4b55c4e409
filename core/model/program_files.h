#pragma once
// Program files (.zt5: a ProgramImage) and block files (.hs5: the FileSeal of one StoreImage, low
// byte first, followed by that image).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/edition.h"
#include "core/model/program.h"
#include "core/model/program_image.h"
#include "core/platform/file_io.h"
#include "core/util/expected.h"

namespace lumio {

inline constexpr std::string_view kProgramFileExtension = ".zt5";
inline constexpr std::string_view kBlockFileExtension = ".hs5";

// Why a file was not opened, in the order the checks apply.
enum class FileError {
    Extension,    // name does not end in the required extension
    Unreadable,   // the file could not be opened or read (`io` says why)
    LengthField,  // length field out of range: refused without a message
    Truncated,    // fewer bytes than the length field says
    Seal,
    FormatTag,
    BodyCrc,
    BodySeal,
    HeaderCrc,
};

struct FileFailure {
    FileError error;
    std::optional<FileIoFailure> io;  // for Unreadable
};

const char* fileErrorName(FileError error);

// What the user is told about a failure that the file's content caused: the message text and
// caption (GBK, like all core text), both empty when the failure is silent. An Unreadable failure has
// no text here: the window builds it from `io`.
struct UserMessage {
    std::string text;
    std::string caption;
};
UserMessage programFileMessage(const FileFailure& failure);
UserMessage blockFileMessage(const FileFailure& failure);

// Reads and checks a program file without touching any program.
[[nodiscard]] Expected<Bytes, FileFailure> readProgramFile(const std::filesystem::path& path, Edition edition = Edition::Current);
// Reads, checks and loads; the program is unchanged on failure.
[[nodiscard]] Expected<void, FileFailure> openProgramFile(Program& program, const std::filesystem::path& path,
                                            Edition edition = Edition::Current);
// Appends ".zt5" when missing and replaces the file atomically. Returns the path written.
[[nodiscard]] Expected<std::filesystem::path, FileIoFailure> saveProgramFile(const Program& program, const std::filesystem::path& path,
                                                             Edition edition = Edition::Current);

// The largest StoreImage a block file may carry.
inline constexpr std::uint32_t kMaxBlockFileImage = 500000;
// Checks the bytes of a block file: the length field, that many bytes after the seal, then the seal.
// Returns the first failed check, or nothing when the block would load.
std::optional<FileError> checkBlockFileBytes(ByteView bytes);

// Reads and checks a block file without loading it; gives its StoreImage (the bytes after the seal).
[[nodiscard]] Expected<Bytes, FileFailure> readBlockFile(const std::filesystem::path& path);
// Reads, checks and loads; the store is unchanged on failure.
[[nodiscard]] Expected<void, FileFailure> loadBlockFile(ProgramStore& store, const std::filesystem::path& path);
// Appends ".hs5" when missing and replaces the file atomically. Returns the path written.
[[nodiscard]] Expected<std::filesystem::path, FileIoFailure> saveBlockFile(const ProgramStore& store, const std::filesystem::path& path);
Bytes blockFileBytes(const ProgramStore& store);

// Sizes over what loading accepts: a whole image over the edition's limit, or a store image over
// 200000 bytes. Empty when the program would open again as saved.
struct SizeProblem {
    bool imageTooLarge = false;
    std::uint32_t imageSize = 0;
    std::string storesTooLarge;  // GBK list such as "主程序, 函数3"
};
SizeProblem checkSavedSizes(const Program& program, Edition edition = Edition::Current);

}  // namespace lumio
