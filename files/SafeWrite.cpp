#include "SafeWrite.h"

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tezzle {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

std::string randomSuffix() {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::string suffix;
    for (int i = 0; i < kTemporarySuffixLength; ++i)
        suffix += kLetters[device() % kLetters.size()];
    return suffix;
}

// Removes the temporary files a save to `name` in `folder` left behind more than a day ago; a
// younger one may belong to a save still under way in another copy of the game. Only files and
// links of the temporary names go, never a folder, and a link goes itself, not what it names.
void removeStaleTemporaries(const std::string& folder, const std::string& name, FileSteps& steps) {
    DIR* list = ::opendir(folder.c_str());
    if (!list)
        return;
    const std::string prefix = name + std::string(kTemporaryInfix);
    const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
    while (const dirent* entry = ::readdir(list)) {
        const std::string_view found = entry->d_name;
        struct stat info {};
        if (found.size() == prefix.size() + kTemporarySuffixLength && found.starts_with(prefix) &&
            ::fstatat(::dirfd(list), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)) && info.st_mtime < dayAgo)
            steps.remove(folder + "/" + entry->d_name);
    }
    ::closedir(list);
}

} // namespace

std::error_code PosixFileSteps::create(const std::string& path, int& fd) {
    do
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
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
            return {false, false, SaveStep::CreateFolder, path, target.parent_path().string(), ec};
    }
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    removeStaleTemporaries(folder, target.filename().string(), steps);
    std::string temporary;
    auto failed = [&](SaveStep step, const std::string& place, std::error_code why) {
        return WriteResult{false, false, step, path, place, why};
    };

    steps.pause(SaveStep::Create);
    int fd = -1;
    // Another name is tried while one is taken, by another save or by anything planted there.
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path + std::string(kTemporaryInfix) + randomSuffix();
        if ((ec = steps.create(temporary, fd)) != std::errc::file_exists)
            break;
    }
    if (ec)
        return failed(SaveStep::Create, folder, ec);
    std::string_view rest = text;
    while (!rest.empty()) {
        steps.pause(SaveStep::Write);
        std::size_t written = 0;
        ec = steps.write(fd, rest, written);
        if (!ec && (written == 0 || written > rest.size()))
            ec = std::make_error_code(std::errc::io_error); // no progress: never loop for ever
        if (ec) {
            steps.close(fd);
            steps.remove(temporary);
            return failed(SaveStep::Write, temporary, ec);
        }
        rest.remove_prefix(written);
    }
    steps.pause(SaveStep::Sync);
    if ((ec = steps.sync(fd))) {
        steps.close(fd);
        steps.remove(temporary);
        return failed(SaveStep::Sync, temporary, ec);
    }
    // Some file systems report a failed write only here.
    steps.pause(SaveStep::Close);
    if ((ec = steps.close(fd))) {
        steps.remove(temporary);
        return failed(SaveStep::Close, temporary, ec);
    }
    steps.pause(SaveStep::Rename);
    if ((ec = steps.rename(temporary, path))) {
        steps.remove(temporary);
        return failed(SaveStep::Rename, temporary, ec);
    }
    // The new file is in place and whole; only whether the rename would outlast a power cut is
    // in doubt, so say so rather than claim a sound save.
    steps.pause(SaveStep::SyncFolder);
    if ((ec = steps.syncFolder(folder)))
        return {false, true, SaveStep::SyncFolder, path, folder, ec};
    return {true, true, SaveStep::Create, path, {}, {}};
}

} // namespace tezzle
