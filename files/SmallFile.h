#pragma once

#include <cstddef>
#include <string>

namespace tezzle {

// What is at a path the game reads, when it is not a file it can read.
enum class FileKind { Regular, Folder, Pipe, Device, Socket, Other };

struct SmallFile {
    enum class Status { Read, Missing, Unreadable, NotAFile, TooLarge };
    Status status = Status::Missing;
    FileKind found = FileKind::Regular;
    std::string text; // the whole file, when read
};

// Reads a whole file of at most `limit` bytes. What is not a regular file (a folder, a named
// pipe, a device) is refused without waiting on it, so a pipe planted there cannot hang the game.
SmallFile readSmallFile(const std::string& path, std::size_t limit);

} // namespace tezzle
