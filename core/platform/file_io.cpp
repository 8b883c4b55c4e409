#include "core/platform/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
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

std::string describe(const std::filesystem::path& path, const char* what) {
    return std::string(what) + " " + path.string() + ": " + std::strerror(errno);
}

std::filesystem::path temporaryBeside(const std::filesystem::path& path) {
    std::random_device device;
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(device() % 1000000);
    return temporary;
}

}  // namespace

Expected<Bytes, std::string> readFilePrefix(const std::filesystem::path& path, size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return unexpected(describe(path, "cannot open"));
    // Read straight into a string sized for what the file holds (the size is only a hint: a file that
    // grows or shrinks meanwhile still reads correctly).
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(path, error);
    Bytes bytes(error ? 0 : std::min<size_t>(limit, fileSize), '\0');
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
    if (in.bad()) return unexpected(describe(path, "cannot read"));
    return bytes;
}

Expected<Bytes, std::string> readWholeFile(const std::filesystem::path& path) {
    return readFilePrefix(path, static_cast<size_t>(-1));
}

#if defined(_WIN32)

Expected<void, std::string> writeFileAtomically(const std::filesystem::path& path, ByteView bytes) {
    const std::filesystem::path temporary = temporaryBeside(path);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return unexpected("cannot create " + temporary.string());
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return unexpected("cannot write " + path.string());
    }
    return {};
}

#else

Expected<void, std::string> writeFileAtomically(const std::filesystem::path& path, ByteView bytes) {
    const std::filesystem::path temporary = temporaryBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return unexpected(describe(path, "cannot create"));
    auto fail = [&](const char* what) -> Expected<void, std::string> {
        std::string message = describe(path, what);
        ::close(fd);
        ::unlink(temporary.c_str());
        return unexpected(std::move(message));
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail("cannot write");
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) return fail("cannot flush");
    if (::close(fd) != 0) {
        std::string message = describe(path, "cannot close");
        ::unlink(temporary.c_str());
        return unexpected(std::move(message));
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        std::string message = describe(path, "cannot replace");
        ::unlink(temporary.c_str());
        return unexpected(std::move(message));
    }
    return {};
}

#endif

}  // namespace lumio
