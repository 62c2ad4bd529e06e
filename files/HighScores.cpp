#include "HighScores.h"

#include <charconv>
#include <fstream>
#include <limits>
#include <optional>

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

// Every control character becomes a blank: C0 (tab and NUL among them), DEL, and C1 as UTF-8
// writes it (C2 80 to C2 9F), so no name can break a line, hide or upset a label.
std::string blankedControls(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto u = static_cast<unsigned char>(s[i]);
        if (u == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(s[i + 1]) <= 0x9F) {
            out += ' ';
            ++i;
        } else {
            out += (u < 0x20 || u == 0x7F) ? ' ' : s[i];
        }
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

HighScoreRead readHighScores(const std::string& path, HighNames& names, HighScores& scores) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {false, 0, "There is no high score file yet."};
    // Ten rows of names and scores fit easily; a file that does not end within this is not a
    // high score file, and reading only its start could take a cut number for a whole one.
    constexpr std::streamsize kLimit = 64 * 1024;
    std::string text(kLimit, '\0');
    in.read(text.data(), kLimit);
    if (in.gcount() == kLimit && in.peek() != std::char_traits<char>::eof())
        return {false, 0, "The high score file is far too large to be one; it was not read."};
    text.resize(static_cast<std::size_t>(in.gcount()));

    FieldReader fields(std::move(text));
    HighScoreRead result;
    for (int row = 0; row < kHighScoreRows; ++row) {
        const auto name = fields.next();
        const auto scoreField = name ? fields.next() : std::nullopt;
        const auto score = scoreField ? scoreOf(*scoreField) : std::nullopt;
        if (!name || !score) {
            result.error = "The high score file is damaged from row " + std::to_string(row + 1) +
                           " on; those rows keep their earlier values.";
            return result;
        }
        names[row] = firstCharacters(blankedControls(*name), kMaxNameReadLength);
        scores[row] = *score;
        result.rowsRead = row + 1;
    }
    result.complete = true;
    return result;
}

std::string formatHighScores(const HighNames& names, const HighScores& scores) {
    std::string text;
    for (int row = 0; row < kHighScoreRows; ++row) {
        text += '"';
        for (char c : blankedControls(names[row])) {
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
    return trimmed(firstCharacters(blankedControls(typed), kMaxNameLength));
}

WriteResult storeHighScoreName(const std::string& path, HighNames& names, const HighScores& scores,
                               std::int16_t highPosition, const std::string& typed) {
    if (highPosition < 1 || highPosition > kHighScoreRows)
        return {false, "No new high score to name."};
    names[highPosition - 1] = cleanHighScoreName(typed);
    return writeHighScores(path, names, scores);
}

} // namespace tezzle
