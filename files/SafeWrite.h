#pragma once

#include <string>
#include <string_view>

namespace tezzle {

// What became of a write; on failure, why, in words a player can read.
struct WriteResult {
    bool ok = false;
    std::string error;
};

// Replaces the file at path with text as a whole: the text goes to a temporary file in the same
// folder, which is then renamed over the old file, so a write that fails at any point leaves
// the previous file as it was. Creates the folder when it does not exist yet.
WriteResult writeFileSafely(const std::string& path, std::string_view text);

} // namespace tezzle
