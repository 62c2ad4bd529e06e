#include "SafeWrite.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace tezzle {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

} // namespace

std::error_code PosixFileSteps::open(const std::string& path, int& fd) {
    do
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSteps::write(int fd, std::string_view bytes, std::size_t& written) {
    ssize_t n = 0;
    do
        n = ::write(fd, bytes.data(), bytes.size());
    while (n < 0 && errno == EINTR);
    written = n > 0 ? static_cast<std::size_t>(n) : 0;
    return n < 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSteps::sync(int fd) {
    return ::fsync(fd) != 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSteps::close(int fd) {
    // Linux releases the descriptor even when close fails, so it is never retried.
    return ::close(fd) != 0 && errno != EINTR ? lastError() : std::error_code{};
}

std::error_code PosixFileSteps::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) != 0 ? lastError() : std::error_code{};
}

std::error_code PosixFileSteps::syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    std::error_code error;
    // Some file systems cannot flush a folder at all; there is nothing more to do on those.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        error = lastError();
    ::close(fd);
    return error;
}

void PosixFileSteps::remove(const std::string& path) {
    ::unlink(path.c_str());
}

WriteResult writeFileSafely(const std::string& path, std::string_view text) {
    PosixFileSteps steps;
    return writeFileSafely(path, text, steps);
}

WriteResult writeFileSafely(const std::string& path, std::string_view text, FileSteps& steps) {
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            return {false, "Cannot create the folder " + target.parent_path().string() + ": " +
                               ec.message() + "."};
    }
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const std::string temporary = path + ".tmp";
    auto failed = [&](const char* step, std::error_code why) {
        return WriteResult{false, "Cannot save " + path + ": " + why.message() + " (while " + step +
                                      "). The previous file is unchanged."};
    };

    int fd = -1;
    if ((ec = steps.open(temporary, fd)))
        return failed("creating a temporary file", ec);
    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t written = 0;
        ec = steps.write(fd, rest, written);
        if (!ec && (written == 0 || written > rest.size()))
            ec = std::make_error_code(std::errc::io_error); // no progress: never loop for ever
        if (ec) {
            steps.close(fd);
            steps.remove(temporary);
            return failed("writing", ec);
        }
        rest.remove_prefix(written);
    }
    if ((ec = steps.sync(fd))) {
        steps.close(fd);
        steps.remove(temporary);
        return failed("putting it on the disk", ec);
    }
    // Some file systems report a failed write only here.
    if ((ec = steps.close(fd))) {
        steps.remove(temporary);
        return failed("closing it", ec);
    }
    if ((ec = steps.rename(temporary, path))) {
        steps.remove(temporary);
        return failed("replacing the previous file", ec);
    }
    // The new file is in place and whole; only whether the rename would outlast a power cut is
    // in doubt, so say so rather than claim a sound save.
    if ((ec = steps.syncFolder(folder)))
        return {false, path + " was saved, but it may be lost if the computer stops now: " +
                           ec.message() + "."};
    return {true, {}};
}

} // namespace tezzle
