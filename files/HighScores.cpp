#include "HighScores.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <optional>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace tezzle {
namespace {

// Length of the UTF-8 sequence a byte starts, or 1 for a stray byte.
std::size_t sequenceLength(unsigned char c) {
    if (c >= 0xF0 && c < 0xF8)
        return 4;
    if (c >= 0xE0)
        return c < 0xF0 ? 3 : 1;
    if (c >= 0xC0)
        return 2;
    return 1;
}

// At most `limit` characters of s, never cutting one in two.
std::string firstCharacters(const std::string& s, int limit) {
    std::size_t pos = 0;
    for (int count = 0; count < limit && pos < s.size(); ++count)
        pos += sequenceLength(static_cast<unsigned char>(s[pos]));
    return s.substr(0, std::min(pos, s.size()));
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The Unicode format characters (general category Cf): invisible, yet they turn text right to
// left, join or hide what follows.
constexpr std::pair<char32_t, char32_t> kFormatCharacters[] = {
    {0xAD, 0xAD},       {0x600, 0x605},     {0x61C, 0x61C},     {0x6DD, 0x6DD},
    {0x70F, 0x70F},     {0x890, 0x891},     {0x8E2, 0x8E2},     {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool isBlanked(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) // C0 (tab and NUL among them), DEL and C1
        return true;
    for (const auto& [first, last] : kFormatCharacters)
        if (c >= first && c <= last)
            return true;
    return false;
}

// The character whose UTF-8 sequence starts at s[pos], and the sequence's length; a stray or
// overlong byte is a character of its own, which no label shows as anything but a mark.
char32_t decode(const std::string& s, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    length = sequenceLength(lead);
    if (length == 1 || pos + length > s.size()) {
        length = 1;
        return lead < 0x80 ? lead : 0xFFFD;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length]) {
        length = 1;
        return 0xFFFD;
    }
    return c;
}

// Every control and format character becomes a blank, so no name can break a line, hide,
// upset a label or show its letters in another order.
std::string blanked(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0, length = 1; pos < s.size(); pos += length) {
        if (isBlanked(decode(s, pos, length)))
            out += ' ';
        else
            out.append(s, pos, length);
    }
    return out;
}

// Reads the comma- and line-separated fields of the file in order.
class FieldReader {
public:
    explicit FieldReader(std::string text)
        : text_(std::move(text)) {}

    // The next field as text, or nothing when the file has ended or the field is malformed.
    std::optional<std::string> next() {
        skipBlankLines();
        if (pos_ >= text_.size())
            return std::nullopt;
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
        std::string field;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            ++pos_;
            while (true) {
                if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n')
                    return std::nullopt; // a quoted name ends on its own line
                if (text_[pos_] == '"') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                        field += '"';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                field += text_[pos_++];
            }
            while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
                ++pos_;
            if (pos_ < text_.size() && !isDelimiter(text_[pos_]))
                return std::nullopt;
        } else {
            while (pos_ < text_.size() && !isDelimiter(text_[pos_]))
                field += text_[pos_++];
            field = trimmed(field);
        }
        skipDelimiter();
        return field;
    }

private:
    static bool isDelimiter(char c) { return c == ',' || c == '\r' || c == '\n'; }

    void skipDelimiter() {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_] == ',') {
            ++pos_;
            return;
        }
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
            ++pos_;
        ++pos_;
    }

    // Empty lines between rows carry no field.
    void skipBlankLines() {
        while (pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n'))
            ++pos_;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

std::optional<std::int16_t> scoreOf(const std::string& field) {
    long long v = 0;
    const auto [stop, error] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (field.empty() || error != std::errc{} || stop != field.data() + field.size() ||
        v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(v);
}

// An advisory lock held for the life of the object, on a file of its own beside the table: the
// table itself is replaced by a rename, so a lock on it would be lost with it. Without the lock
// (a folder that cannot be written) the store goes on as before there was one.
class TableLock {
public:
    explicit TableLock(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666)) {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~TableLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

private:
    int fd_;
};

// Keeps the file at path under the first free name of path.damaged, path.damaged.1 and on, as a
// second name of the same file: nothing is copied, an earlier copy is never written over, and
// the file stays whole when the table is renamed over its first name. Empty when it fails.
std::string keepDamagedCopy(const std::string& path) {
    for (int n = 0; n < 1000; ++n) {
        const std::string copy = path + ".damaged" + (n > 0 ? "." + std::to_string(n) : "");
        if (::link(path.c_str(), copy.c_str()) == 0)
            return copy;
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace

std::int16_t checkhighscore(HighNames& names, HighScores& scores, bool againstComputer,
                            std::int16_t finalScore) {
    const int first = firstHighScoreRow(againstComputer);
    const int last = first + kHighScoreTableRows - 1;
    if (finalScore <= scores[last])
        return 0;
    scores[last] = finalScore;
    std::int16_t position = static_cast<std::int16_t>(last + 1);
    for (int row = first; row < last; ++row) {
        if (scores[row] >= finalScore)
            continue;
        for (int r = last; r > row; --r) {
            names[r] = names[r - 1];
            scores[r] = scores[r - 1];
        }
        scores[row] = finalScore;
        position = static_cast<std::int16_t>(row + 1);
        break;
    }
    return position;
}

void removeHighScoreRow(HighNames& names, HighScores& scores, int row, std::int16_t emptyScore) {
    const int last = firstHighScoreRow(row >= kHighScoreTableRows) + kHighScoreTableRows - 1;
    for (int r = row; r < last; ++r) {
        names[r] = names[r + 1];
        scores[r] = scores[r + 1];
    }
    names[last].clear();
    scores[last] = emptyScore;
}

HighScoreRead readHighScores(const std::string& path, HighNames& names, HighScores& scores) {
    using enum HighScoreFileStatus;
    // Ten rows of names and scores fit easily; a file that does not end within this is not a
    // high score file, and reading only its start could take a cut number for a whole one.
    SmallFile file = readSmallFile(path, 64 * 1024);
    switch (file.status) {
    case SmallFile::Status::Read:
        break;
    case SmallFile::Status::Missing:
        return {Missing};
    case SmallFile::Status::Unreadable:
        return {Unreadable};
    case SmallFile::Status::NotAFile:
        return {NotAFile, 0, file.found};
    case SmallFile::Status::TooLarge:
        return {TooLarge};
    }

    FieldReader fields(std::move(file.text));
    HighScoreRead result{Damaged};
    for (int row = 0; row < kHighScoreRows; ++row) {
        const auto name = fields.next();
        const auto scoreField = name ? fields.next() : std::nullopt;
        const auto score = scoreField ? scoreOf(*scoreField) : std::nullopt;
        if (!name || !score)
            return result;
        names[row] = firstCharacters(blanked(*name), kMaxNameReadLength);
        scores[row] = *score;
        result.rowsRead = row + 1;
    }
    result.status = Complete;
    return result;
}

std::string formatHighScores(const HighNames& names, const HighScores& scores) {
    std::string text;
    for (int row = 0; row < kHighScoreRows; ++row) {
        text += '"';
        for (char c : blanked(names[row])) {
            if (c == '"')
                text += '"';
            text += c;
        }
        text += "\",";
        text += std::to_string(scores[row]);
        text += "\r\n";
    }
    return text;
}

WriteResult writeHighScores(const std::string& path, const HighNames& names,
                            const HighScores& scores) {
    return writeFileSafely(path, formatHighScores(names, scores));
}

std::string cleanHighScoreName(const std::string& typed) {
    // Cut first, so the name never ends in a blank the cut left behind.
    return trimmed(firstCharacters(blanked(typed), kMaxNameLength));
}

HighScoreStore storeHighScoreName(const std::string& path, HighNames& names, HighScores& scores,
                                  std::int16_t highPosition, const std::string& typed) {
    PosixFileSteps steps;
    return storeHighScoreName(path, names, scores, highPosition, typed, steps);
}

HighScoreStore storeHighScoreName(const std::string& path, HighNames& names, HighScores& scores,
                                  std::int16_t highPosition, const std::string& typed,
                                  FileSteps& steps) {
    HighScoreStore store;
    if (highPosition < 1 || highPosition > kHighScoreRows)
        return store;
    const int row = highPosition - 1;
    const bool againstComputer = row >= kHighScoreTableRows;
    const std::int16_t score = scores[row];

    std::error_code ignored; // a folder that cannot be made fails the write, which says so
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    const TableLock lock(path + ".lock");

    // The tables as they were before the row was entered; the row that dropped out for it is
    // not known, and stands as the lowest score, which the row drops out again.
    HighNames nowNames = names;
    HighScores nowScores = scores;
    removeHighScoreRow(nowNames, nowScores, row, std::numeric_limits<std::int16_t>::min());

    store.found = readHighScores(path, nowNames, nowScores);
    store.highPosition = checkhighscore(nowNames, nowScores, againstComputer, score);
    names = nowNames;
    scores = nowScores;
    if (store.highPosition == 0) {
        store.status = StoreStatus::NoLongerHigh;
        return store;
    }
    names[store.highPosition - 1] = cleanHighScoreName(typed);
    if (store.found.damaged() && (store.damagedCopy = keepDamagedCopy(path)).empty()) {
        store.status = StoreStatus::NoCopy;
        return store;
    }
    store.written = writeFileSafely(path, formatHighScores(names, scores), steps);
    store.status = store.written.replaced ? StoreStatus::Stored : StoreStatus::NotWritten;
    return store;
}

} // namespace tezzle
