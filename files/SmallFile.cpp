#include "SmallFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tezzle {
namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode))
        return FileKind::Regular;
    if (S_ISDIR(mode))
        return FileKind::Folder;
    if (S_ISFIFO(mode))
        return FileKind::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileKind::Device;
    return S_ISSOCK(mode) ? FileKind::Socket : FileKind::Other;
}

} // namespace

SmallFile readSmallFile(const std::string& path, std::size_t limit) {
    using enum SmallFile::Status;
    int fd = -1;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENXIO) // a socket cannot be opened at all
            return {NotAFile, FileKind::Socket, {}};
        return {errno == ENOENT || errno == ENOTDIR ? Missing : Unreadable, FileKind::Regular, {}};
    }
    SmallFile file{Read, FileKind::Regular, {}};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        file.status = Unreadable;
    } else if ((file.found = kindOf(info.st_mode)) != FileKind::Regular) {
        file.status = NotAFile;
    } else {
        // Room for what the file says it holds and one byte more, which tells a file that grew
        // meanwhile, or one beyond the limit, from one that ends there. Not the limit itself: a
        // megabyte zeroed for the small adjacency file cost start-up a millisecond.
        const auto stated = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
        file.text.resize(std::min(stated, limit) + 1);
        std::size_t size = 0;
        for (;;) {
            if (size == file.text.size()) {
                if (size > limit)
                    break;
                file.text.resize(std::min(size * 2, limit + 1));
            }
            const ssize_t n = ::read(fd, file.text.data() + size, file.text.size() - size);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                file.status = Unreadable;
            if (n <= 0)
                break;
            size += static_cast<std::size_t>(n);
        }
        file.text.resize(size);
        if (file.status == Read && size > limit)
            file.status = TooLarge;
        if (file.status != Read)
            file.text.clear();
    }
    ::close(fd);
    return file;
}

} // namespace tezzle
