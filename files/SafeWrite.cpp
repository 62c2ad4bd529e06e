#include "SafeWrite.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace tezzle {

namespace fs = std::filesystem;

WriteResult writeFileSafely(const std::string& path, std::string_view text) {
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            return {false, "Cannot create the folder " + target.parent_path().string() + ": " +
                               ec.message() + "."};
    }

    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return {false, "Cannot write " + temporary.string() + "."};
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ec);
            return {false, "Cannot write " + temporary.string() + " in full."};
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return {false, "Cannot replace " + target.string() + ": " + ec.message() + "."};
    }
    return {true, {}};
}

} // namespace tezzle
