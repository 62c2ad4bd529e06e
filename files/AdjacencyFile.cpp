#include "AdjacencyFile.h"

#include "SmallFile.h"

#include <charconv>
#include <limits>

namespace tezzle {
namespace {

constexpr int kValues = 600;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool endsNumber(char c) {
    return c == ',' || isBlank(c) || isLineBreak(c);
}

} // namespace

AdjacencyReadResult readConnArray(const std::string& path, ConnArray& connarray) {
    // The table is a few kilobytes; what is not a file, or is far larger, is not one.
    const SmallFile file = readSmallFile(path, 1024 * 1024);
    if (file.status != SmallFile::Status::Read)
        return {AdjacencyStatus::Missing, 0};
    const std::string& text = file.text;

    AdjacencyReadResult result{AdjacencyStatus::Short, 0};
    std::size_t pos = 0;
    bool afterComma = false;
    while (result.valuesRead < kValues) {
        while (pos < text.size() && (isBlank(text[pos]) || (!afterComma && isLineBreak(text[pos]))))
            ++pos;
        if (pos >= text.size())
            return result;
        // A comma with nothing before or after it in its line leaves a field empty; reading on
        // would shift every later number of the table by one.
        if (text[pos] == ',' || isLineBreak(text[pos])) {
            result.status = AdjacencyStatus::NotANumber;
            return result;
        }
        std::size_t end = pos;
        while (end < text.size() && !endsNumber(text[end]))
            ++end;

        const char* first = text.data() + pos;
        const char* last = text.data() + end;
        long value = 0;
        const auto [stop, error] = std::from_chars(first, last, value);
        if (error == std::errc::result_out_of_range ||
            (error == std::errc{} && stop == last &&
             (value < std::numeric_limits<std::int16_t>::min() ||
              value > std::numeric_limits<std::int16_t>::max()))) {
            result.status = AdjacencyStatus::OutOfRange;
            return result;
        }
        if (error != std::errc{} || stop != last) {
            result.status = AdjacencyStatus::NotANumber;
            return result;
        }
        // The path search follows these numbers to rows of the table, so anything that is not
        // a hexagon would send it off the board.
        if (value < 0 || value > 100) {
            result.status = AdjacencyStatus::NotOnBoard;
            return result;
        }
        connarray[result.valuesRead / 6][result.valuesRead % 6] = static_cast<std::int16_t>(value);
        ++result.valuesRead;

        // Blanks after a number, then at most one comma, end its field.
        pos = end;
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        afterComma = pos < text.size() && text[pos] == ',';
        if (afterComma)
            ++pos;
    }
    result.status = AdjacencyStatus::Complete;
    return result;
}

std::string formatConnArray(const ConnArray& connarray) {
    std::string text;
    for (int row = 0; row < 100; ++row) {
        for (int k = 0; k < 6; ++k) {
            if (k > 0)
                text += ',';
            text += std::to_string(connarray[row][k]);
        }
        text += '\n';
    }
    return text;
}

} // namespace tezzle
