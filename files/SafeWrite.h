#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace tezzle {

// The steps of a safe write, in the order it takes them; making a missing folder comes first.
enum class SaveStep { Create, Write, Sync, Close, Rename, SyncFolder, CreateFolder };

// What became of a write; on failure, the step that failed, on what, and the system's error.
struct WriteResult {
    bool ok = false;
    // The new text is in place: on success, and also when only the flush of the folder failed.
    bool replaced = false;
    SaveStep failedAt = SaveStep::Create;
    std::string path;  // the file written
    std::string place; // the folder (making it, or a temporary file in it) or the temporary file
    std::error_code code;
};

// The low-level steps of a safe write, one call each, so that a test can make any one of them
// fail, or run another save in between. Each returns the system's error, or none on success.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    // Creates a new file for writing, and only when nothing at all is at that name, not even a
    // link (then EEXIST), so a file someone else put there is never written into.
    virtual std::error_code create(const std::string& path, int& fd) = 0;
    // Writes some of the bytes (at least one on success) and says how many.
    virtual std::error_code write(int fd, std::string_view bytes, std::size_t& written) = 0;
    // Returns once the file's contents are on the disk.
    virtual std::error_code sync(int fd) = 0;
    // Releases the file whatever the answer; an error means the file may not be whole.
    virtual std::error_code close(int fd) = 0;
    virtual std::error_code rename(const std::string& from, const std::string& to) = 0;
    // Returns once the folder's list of names (a rename in it) is on the disk.
    virtual std::error_code syncFolder(const std::string& folder) = 0;
    virtual void remove(const std::string& path) = 0;
    // Called before each step is taken.
    virtual void pause(SaveStep) {}
};

// The steps as the operating system performs them.
class PosixFileSteps : public FileSteps {
public:
    std::error_code create(const std::string& path, int& fd) override;
    std::error_code write(int fd, std::string_view bytes, std::size_t& written) override;
    std::error_code sync(int fd) override;
    std::error_code close(int fd) override;
    std::error_code rename(const std::string& from, const std::string& to) override;
    std::error_code syncFolder(const std::string& folder) override;
    void remove(const std::string& path) override;
};

// The temporary files of a save to path are named path + this + six random letters or digits.
inline constexpr std::string_view kTemporaryInfix = ".tmp-";
inline constexpr int kTemporarySuffixLength = 6;

// Replaces the file at path with text as a whole: the text goes to a temporary file of a name of
// its own in the same folder, which is flushed to the disk and then renamed over the old file,
// and the rename is flushed too. Two saves at once never share a temporary file, so the later
// rename wins whole. A write that fails before the rename removes its temporary file and leaves
// the previous file as it was; once the rename is done the file holds the new text in full.
// Temporary files of earlier saves older than a day (a crash, a power cut) are removed. Creates
// the folder when it does not exist yet.
WriteResult writeFileSafely(const std::string& path, std::string_view text);
WriteResult writeFileSafely(const std::string& path, std::string_view text, FileSteps& steps);

} // namespace tezzle
