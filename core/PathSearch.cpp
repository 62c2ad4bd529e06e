#include "PathSearch.h"

#include "Geometry.h"
#include "NumberSet.h"

#include <algorithm>
#include <array>

namespace tezzle {
namespace {

// The entries 0 to coveredNext - 1 of the list, never reading past its end.
std::span<const std::int16_t> listed(std::span<const std::int16_t> coveredCells, int coveredNext) {
    const auto n = static_cast<std::size_t>(std::clamp(coveredNext, 0, 101));
    return coveredCells.first(std::min(n, coveredCells.size()));
}

} // namespace

ConnArray gridConnArray() {
    ConnArray table{};
    for (int n = 1; n <= 100; ++n)
        for (int k = 0; k < 6; ++k)
            table[n - 1][k] = static_cast<std::int16_t>(geometry::gridNeighbour(n, k));
    return table;
}

NumberSet joiningChain(const ConnArray& connarray, const NumberSet& covered) {
    if (!covered.test(1) || !covered.test(100))
        return {};
    // Breadth-first, so the chain shown is one of the shortest; each hexagon remembers the one
    // it was reached from.
    std::array<std::int16_t, 101> from{};
    std::array<std::int16_t, 100> queue{};
    int head = 0, tail = 0;
    from[1] = 1;
    queue[tail++] = 1;
    while (head < tail && from[100] == 0) {
        const int cell = queue[head++];
        for (int k = 0; k < 6; ++k) {
            const int next = connarray[cell - 1][k];
            if (next < 1 || next > 100 || !covered.test(next) || from[next] != 0)
                continue;
            from[next] = static_cast<std::int16_t>(cell);
            queue[tail++] = static_cast<std::int16_t>(next);
        }
    }
    NumberSet chain;
    if (from[100] == 0)
        return chain;
    for (int cell = 100; cell != 1; cell = from[cell])
        chain.set(cell);
    chain.set(1);
    return chain;
}

bool PathSearch::okToCheck(std::span<const std::int16_t> coveredCells, int coveredNext) {
    for (std::int16_t cell : listed(coveredCells, coveredNext)) {
        has1 = has1 || cell == 1;
        has2 = has2 || cell == 2;
        has3 = has3 || cell == 3;
        has100 = has100 || cell == 100;
        enoughCovered = enoughCovered || coveredNext > 18;
        checkOK = checkOK || (has1 && has100 && (has2 || has3) && enoughCovered);
    }
    return checkOK;
}

void PathSearch::findPath(const ConnArray& connarray, std::span<const std::int16_t> coveredCells,
                          int coveredNext) {
    NumberSet covered;
    for (std::int16_t cell : listed(coveredCells, coveredNext))
        if (cell >= 1 && cell <= 100)
            covered.set(cell);

    pathFound = false;
    if (!covered.test(1) || !covered.test(100))
        return;

    // Depth-first over covered hexagons; each is entered once, so the stack never holds more
    // than the 100 hexagons of the board.
    std::array<std::int16_t, 100> stack{};
    int depth = 0;
    NumberSet entered;
    entered.set(1);
    stack[depth++] = 1;
    while (depth > 0) {
        const int cell = stack[--depth];
        for (int k = 0; k < 6; ++k) {
            const int next = connarray[cell - 1][k];
            if (next < 1 || next > 100 || !covered.test(next) || entered.test(next))
                continue;
            if (next == 100) {
                pathFound = true;
                return;
            }
            entered.set(next);
            stack[depth++] = static_cast<std::int16_t>(next);
        }
    }
}

} // namespace tezzle
