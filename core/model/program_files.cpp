#include "core/model/program_files.h"

#include "core/checks/file_seal.h"
#include "core/checks/crc16.h"
#include "core/platform/file_io.h"
#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// The extension test is an exact, case-sensitive comparison of the name's last characters.
bool hasExtension(const std::filesystem::path& path, std::string_view extension) {
    return endsWith(path.string(), extension);
}

std::filesystem::path withExtension(const std::filesystem::path& path, std::string_view extension) {
    if (hasExtension(path, extension)) return path;
    std::filesystem::path written = path;
    written += std::string(extension);
    return written;
}

FileError fromCheck(ImageCheck check) {
    switch (check) {
    case ImageCheck::LengthField: return FileError::LengthField;
    case ImageCheck::Truncated: return FileError::Truncated;
    case ImageCheck::Seal: return FileError::Seal;
    case ImageCheck::FormatTag: return FileError::FormatTag;
    case ImageCheck::BodyCrc: return FileError::BodyCrc;
    case ImageCheck::BodySeal: return FileError::BodySeal;
    case ImageCheck::HeaderCrc: return FileError::HeaderCrc;
    case ImageCheck::Ok: break;
    }
    return FileError::Seal;
}

// The length field a program file is read with at all; beyond it the file is refused silently.
constexpr std::uint32_t kReadableProgramLength = 500000;

}  // namespace

const char* fileErrorName(FileError error) {
    switch (error) {
    case FileError::Extension: return "extension";
    case FileError::Unreadable: return "unreadable";
    case FileError::LengthField: return "length field";
    case FileError::Truncated: return "truncation";
    case FileError::Seal: return "seal";
    case FileError::FormatTag: return "format tag";
    case FileError::BodyCrc: return "body CRC";
    case FileError::BodySeal: return "body seal";
    case FileError::HeaderCrc: return "header CRC";
    }
    return "unknown";
}

UserMessage programFileMessage(const FileFailure& failure) {
    switch (failure.error) {
    case FileError::Extension: return {toGbk("文件类型出错！！！"), toGbk("提示")};
    case FileError::Unreadable: return {{}, toGbk("错误")};
    case FileError::LengthField: return {};
    default: return {toGbk("数据错误！！！"), toGbk("提示")};
    }
}

UserMessage blockFileMessage(const FileFailure& failure) {
    switch (failure.error) {
    case FileError::Extension: return {toGbk("文件扩展名出错"), toGbk("提示：")};
    case FileError::Unreadable: return {{}, toGbk("错误")};
    case FileError::LengthField: return {};
    // A block file whose seal does not match is refused with the message program files use.
    default: return {toGbk("数据错误！！！"), toGbk("提示")};
    }
}

Expected<Bytes, FileFailure> readProgramFile(const std::filesystem::path& path, Edition edition) {
    if (!hasExtension(path, kProgramFileExtension)) return unexpected(FileFailure{FileError::Extension, {}});
    auto head = readFilePrefix(path, 6);
    if (!head) return unexpected(FileFailure{FileError::Unreadable, head.error()});
    if (head->size() < 6) return unexpected(FileFailure{FileError::LengthField, {}});
    const std::uint32_t total = readU32BigEndian(*head, 2);
    const std::uint32_t readable = edition == Edition::Classic ? maxProgramImage(edition) : kReadableProgramLength;
    if (total < kMinProgramImage || total > readable) return unexpected(FileFailure{FileError::LengthField, {}});
    auto bytes = readFilePrefix(path, total);
    if (!bytes) return unexpected(FileFailure{FileError::Unreadable, bytes.error()});
    const ImageCheck check = checkProgramImage(*bytes, edition);
    if (check != ImageCheck::Ok) {
        // Beyond the accepted maximum but within what is read: the image is refused as bad data.
        const FileError error = check == ImageCheck::LengthField ? FileError::Truncated : fromCheck(check);
        return unexpected(FileFailure{error, {}});
    }
    return std::move(*bytes);
}

Expected<void, FileFailure> openProgramFile(Program& program, const std::filesystem::path& path, Edition edition) {
    auto bytes = readProgramFile(path, edition);
    if (!bytes) return unexpected(bytes.error());
    loadProgramImage(program, *bytes, edition);
    return {};
}

Expected<std::filesystem::path, FileIoFailure> saveProgramFile(const Program& program, const std::filesystem::path& path,
                                                             Edition edition) {
    const std::filesystem::path written = withExtension(path, kProgramFileExtension);
    const Bytes image = buildProgramImage(program, edition);
    auto result = writeFileAtomically(written, image);
    if (!result) return unexpected(result.error());
    return written;
}

std::optional<FileError> checkBlockFileBytes(ByteView bytes) {
    if (bytes.size() < 6) return FileError::LengthField;
    const std::uint32_t length = readU32BigEndian(bytes, 2);
    if (length < 6 || length > kMaxBlockFileImage) return FileError::LengthField;
    if (bytes.size() < size_t{length} + 2) return FileError::Truncated;
    if (readU16LowFirst(bytes, 0) != FileSeal(bytes.substr(2, length))) return FileError::Seal;
    return std::nullopt;
}

Expected<Bytes, FileFailure> readBlockFile(const std::filesystem::path& path) {
    if (!hasExtension(path, kBlockFileExtension)) return unexpected(FileFailure{FileError::Extension, {}});
    auto head = readFilePrefix(path, 6);
    if (!head) return unexpected(FileFailure{FileError::Unreadable, head.error()});
    // The length field is checked before the rest of the file is read.
    if (const auto error = checkBlockFileBytes(*head); error == FileError::LengthField)
        return unexpected(FileFailure{*error, {}});
    auto bytes = readFilePrefix(path, size_t{readU32BigEndian(*head, 2)} + 2);
    if (!bytes) return unexpected(FileFailure{FileError::Unreadable, bytes.error()});
    if (const auto error = checkBlockFileBytes(*bytes)) return unexpected(FileFailure{*error, {}});
    bytes->erase(0, 2);
    return std::move(*bytes);
}

Expected<void, FileFailure> loadBlockFile(ProgramStore& store, const std::filesystem::path& path) {
    auto image = readBlockFile(path);
    if (!image) return unexpected(image.error());
    store.readImage(*image);
    return {};
}

Bytes blockFileBytes(const ProgramStore& store) {
    const Bytes image = store.image();
    Bytes bytes;
    appendU16LowFirst(bytes, FileSeal(image));
    bytes += image;
    return bytes;
}

Expected<std::filesystem::path, FileIoFailure> saveBlockFile(const ProgramStore& store, const std::filesystem::path& path) {
    const std::filesystem::path written = withExtension(path, kBlockFileExtension);
    auto result = writeFileAtomically(written, blockFileBytes(store));
    if (!result) return unexpected(result.error());
    return written;
}

SizeProblem checkSavedSizes(const Program& program, Edition edition) {
    SizeProblem problem;
    problem.imageSize = kImageHeaderSize + programBodySize(program, edition);
    problem.imageTooLarge = problem.imageSize > maxProgramImage(edition);
    auto note = [&](const ProgramStore& store, const std::string& name) {
        if (store.imageSize() > kMaxStoreImage) {
            if (!problem.storesTooLarge.empty()) problem.storesTooLarge += ", ";
            problem.storesTooLarge += name;
        }
    };
    note(program.main, StoreRef::main().defaultName());
    for (int k = 1; k <= kFunctionCount; ++k) note(program.function(k), StoreRef::function(k)->defaultName());
    if (hasThreads(edition))
        for (int k = 1; k <= kThreadCount; ++k) note(program.thread(k), StoreRef::thread(k)->defaultName());
    return problem;
}

}  // namespace lumio
