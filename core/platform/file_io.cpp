#include "core/platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <random>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lumio {
namespace {

FileIoFailure failed(FileIoFailure::Step step, const std::filesystem::path& path, int code) {
    return {step, path, std::error_code(code, std::generic_category())};
}

std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
    std::random_device device;
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(device() % 1000000);
    return temporary;
}

}  // namespace

std::string describeFailure(const FileIoFailure& failure) {
    static constexpr const char* steps[] = {"cannot open", "cannot read", "cannot create",
                                            "cannot write", "cannot flush", "cannot replace"};
    return std::string(steps[static_cast<int>(failure.step)]) + " " + failure.path.string() + ": " +
           failure.error.message();
}

Expected<Bytes, FileIoFailure> readFilePrefix(const std::filesystem::path& path, size_t limit) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return unexpected(failed(FileIoFailure::Step::Open, path, errno ? errno : ENOENT));
    // Read straight into a string sized for what the file holds (the size is only a hint: a file that
    // grows or shrinks meanwhile still reads correctly).
    std::error_code sizeError;
    const auto fileSize = std::filesystem::file_size(path, sizeError);
    Bytes bytes(sizeError ? 0 : std::min<size_t>(limit, fileSize), '\0');
    size_t filled = 0;
    while (in) {
        if (filled == bytes.size()) {
            if (filled >= limit) break;
            bytes.resize(std::min(limit, filled + 65536));
        }
        in.read(bytes.data() + filled, static_cast<std::streamsize>(bytes.size() - filled));
        filled += static_cast<size_t>(in.gcount());
    }
    bytes.resize(filled);
    if (in.bad()) return unexpected(failed(FileIoFailure::Step::Read, path, errno ? errno : EIO));
    return bytes;
}

Expected<Bytes, FileIoFailure> readWholeFile(const std::filesystem::path& path) {
    return readFilePrefix(path, static_cast<size_t>(-1));
}

#if defined(_WIN32)

Expected<void, FileIoFailure> writeFileAtomically(const std::filesystem::path& path, ByteView bytes) {
    const std::filesystem::path temporary = temporaryBeside(path);
    auto systemFailure = [&](FileIoFailure::Step step) {
        return FileIoFailure{step, path, std::error_code(static_cast<int>(GetLastError()), std::system_category())};
    };
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return unexpected(systemFailure(FileIoFailure::Step::Create));
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const FileIoFailure failure = systemFailure(FileIoFailure::Step::Write);
        DeleteFileW(temporary.c_str());
        return unexpected(failure);
    }
    return {};
}

#else

Expected<void, FileIoFailure> writeFileAtomically(const std::filesystem::path& path, ByteView bytes) {
    const std::filesystem::path temporary = temporaryBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return unexpected(failed(FileIoFailure::Step::Create, path, errno));
    auto fail = [&](FileIoFailure::Step step) -> Expected<void, FileIoFailure> {
        const FileIoFailure failure = failed(step, path, errno);
        ::close(fd);
        ::unlink(temporary.c_str());
        return unexpected(failure);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(FileIoFailure::Step::Write);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(FileIoFailure::Step::Flush);
    if (::close(fd) != 0) {
        const FileIoFailure failure = failed(FileIoFailure::Step::Flush, path, errno);
        ::unlink(temporary.c_str());
        return unexpected(failure);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const FileIoFailure failure = failed(FileIoFailure::Step::Replace, path, errno);
        ::unlink(temporary.c_str());
        return unexpected(failure);
    }
    return {};
}

#endif

}  // namespace lumio
