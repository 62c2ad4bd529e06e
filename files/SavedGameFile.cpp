#include "SavedGameFile.h"

#include <charconv>
#include <iterator>
#include <limits>
#include <vector>

namespace tezzle {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The file's lines; a line may end in CR LF, LF or CR, and the last one need not end at all.
// Blank lines beyond the last line of a saved game (an editor may add them) are not lines of the
// file, but blank lines up to it are empty values.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t stop = pos;
        while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n')
            ++stop;
        lines.push_back(text.substr(pos, stop - pos));
        if (stop >= text.size())
            break;
        pos = stop +
              ((text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1);
    }
    while (lines.size() > kSavedGameLines && trimmed(lines.back()).empty())
        lines.pop_back();
    return lines;
}

// One delimited field: text without a comma, or a single quoted string.
bool isOneField(std::string_view line) {
    const std::string_view s = trimmed(line);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        return s.substr(1, s.size() - 2).find('"') == std::string_view::npos;
    return s.find(',') == std::string_view::npos && s.find('"') == std::string_view::npos;
}

// A value line: a whole number with an optional minus sign, or nothing (0).
SavedGameStatus readValue(std::string_view line, std::optional<std::int16_t>& value) {
    const std::string_view s = trimmed(line);
    if (s.empty()) {
        value.reset();
        return SavedGameStatus::Ok;
    }
    long long v = 0;
    const auto [stop, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (error == std::errc::result_out_of_range && stop == s.data() + s.size())
        return SavedGameStatus::OutOfRange;
    if (error != std::errc{} || stop != s.data() + s.size())
        return SavedGameStatus::NotANumber;
    if (v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        return SavedGameStatus::OutOfRange;
    value = static_cast<std::int16_t>(v);
    return SavedGameStatus::Ok;
}

void appendLine(std::string& text, std::optional<std::int16_t> value) {
    if (value)
        text += std::to_string(*value);
    text += kLineEnd;
}

} // namespace

std::string formatSavedGame(const SavedGame& game) {
    std::string text;
    text.reserve(1024);
    for (int i = 1; i <= 100; ++i) {
        appendLine(text, static_cast<std::int16_t>(i));
        appendLine(text, game.board[i]);
    }
    appendLine(text, game.setup.numPlayers);
    appendLine(text, game.setup.computerLevel);
    appendLine(text, game.turnCounter);
    appendLine(text, game.targetScore);
    for (const auto& score : game.scores)
        appendLine(text, score);
    appendLine(text, game.setup.timeAllowed);
    for (std::int16_t clock : game.clocks)
        appendLine(text, clock);
    appendLine(text, game.setup.soundOn);
    return text;
}

SavedGameRead parseSavedGame(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() != kSavedGameLines)
        return {SavedGameStatus::WrongLineCount, 0, std::nullopt};

    // Every value line, read before anything is judged, so a bad file is refused whole.
    std::array<std::optional<std::int16_t>, kSavedGameLines + 1> values{};
    for (int line = 1; line <= kSavedGameLines; ++line) {
        const std::string_view content = lines[static_cast<std::size_t>(line - 1)];
        if (line < 200 && line % 2 == 1) {
            if (!isOneField(content))
                return {SavedGameStatus::NotAField, line, std::nullopt};
            continue;
        }
        const SavedGameStatus status = readValue(content, values[line]);
        if (status != SavedGameStatus::Ok)
            return {status, line, std::nullopt};
    }

    auto at = [&](int line) {
        return values[line].value_or(0);
    };
    SavedGame game;
    for (int i = 1; i <= 100; ++i) {
        game.board[i] = at(2 * i);
        if (game.board[i] < 0 || game.board[i] > 4)
            return {SavedGameStatus::BadOwner, 2 * i, std::nullopt};
    }
    game.setup.numPlayers = at(201);
    if (game.setup.numPlayers < 1 || game.setup.numPlayers > 4)
        return {SavedGameStatus::BadPlayers, 201, std::nullopt};
    game.setup.computerLevel = at(202);
    if (game.setup.computerLevel < 0 || game.setup.computerLevel > 3 ||
        (game.setup.computerLevel != 0 && game.setup.numPlayers != 2))
        return {SavedGameStatus::BadLevel, 202, std::nullopt};
    game.turnCounter = at(203);
    game.targetScore = at(204);
    // An empty score box stays empty here; a reopened game takes it as 0.
    for (int i = 0; i < 4; ++i)
        game.scores[static_cast<std::size_t>(i)] = values[205 + i];
    game.setup.timeAllowed = at(209);
    for (int i = 0; i < 4; ++i)
        game.clocks[static_cast<std::size_t>(i)] = at(210 + i);
    game.setup.soundOn = at(214);
    return {SavedGameStatus::Ok, 0, game};
}

SavedGameRead readSavedGame(const std::string& path) {
    // A saved game is about a kilobyte; anything far larger is not one.
    const SmallFile file = readSmallFile(path, 64 * 1024);
    switch (file.status) {
    case SmallFile::Status::Read:
        return parseSavedGame(file.text);
    case SmallFile::Status::NotAFile:
        return {SavedGameStatus::NotAFile, 0, std::nullopt, file.found};
    case SmallFile::Status::TooLarge:
        return {SavedGameStatus::WrongLineCount, 0, std::nullopt};
    default:
        return {SavedGameStatus::Missing, 0, std::nullopt};
    }
}

WriteResult writeSavedGame(const std::string& path, const SavedGame& game) {
    return writeFileSafely(path, formatSavedGame(game));
}

} // namespace tezzle
