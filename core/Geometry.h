#pragma once

#include "NumberSet.h"

#include <array>
#include <cmath>

// Where the hexagons stand. The board is a rhombus of 10 rows of 10 hexagons leaning to the
// right; hexagons are numbered along the diagonals column + row. Positions are in twips (15 to
// a pixel) within the board window.
namespace tezzle::geometry {

namespace detail {
constexpr double sqrtNewton(double x) {
    double guess = x;
    for (int i = 0; i < 64; ++i)
        guess = 0.5 * (guess + x / guess);
    return guess;
}
} // namespace detail

inline constexpr int kColumns = 10;
inline constexpr int kRows = 10;

inline constexpr double sideLength = 471.0;
inline constexpr double columnStep = detail::sqrtNewton(3.0) * sideLength / 2.0;
inline constexpr double rowStep = 1.5 * sideLength;

// The number labels are 480 twips square; hexagon 1's centre is at (480, 7665), and a label
// stands centred on its hexagon horizontally and 40 % down its height.
inline constexpr double labelSize = 480.0;
inline constexpr double originLeft = 480.0 - 0.5 * labelSize;
inline constexpr double originTop = 7665.0 - 0.4 * labelSize;

// Counters are drawn 45 twips left of and 90 twips above their number label.
inline constexpr double counterOffsetLeft = 45.0;
inline constexpr double counterOffsetTop = 90.0;

struct Cell {
    int column = 0; // 0 at the left
    int row = 0;    // 0 at the bottom
    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

struct Point {
    double x = 0;
    double y = 0;
};

inline constexpr double twipsPerPixel = 15.0;

struct Pixel {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Pixel&, const Pixel&) = default;
};

// Whole pixels of the board window for a position in twips, rounded to the nearest (halves away
// from zero). The board picture is drawn to the same rule, so a counter placed by it lies
// exactly on its hexagon.
inline Pixel toPixels(Point p) {
    return {static_cast<int>(std::lround(p.x / twipsPerPixel)),
            static_cast<int>(std::lround(p.y / twipsPerPixel))};
}

namespace detail {
struct Numbering {
    std::array<Cell, 101> cellOf{};
    std::array<std::array<int, kRows>, kColumns> numberAt{};
};

constexpr Numbering makeNumbering() {
    Numbering t;
    int n = 1;
    for (int diagonal = 0; diagonal <= kColumns + kRows - 2; ++diagonal)
        for (int column = 0; column < kColumns; ++column) {
            const int row = diagonal - column;
            if (row < 0 || row >= kRows)
                continue;
            t.cellOf[n] = {column, row};
            t.numberAt[column][row] = n;
            ++n;
        }
    return t;
}

inline constexpr Numbering kNumbering = makeNumbering();
} // namespace detail

// Column and row of hexagon n (1 to 100).
constexpr Cell cellOf(int n) {
    return detail::kNumbering.cellOf[n];
}

// Hexagon number at a column and row, or 0 off the board.
constexpr int numberAt(int column, int row) {
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows)
        return 0;
    return detail::kNumbering.numberAt[column][row];
}

// Centre of hexagon n on the board picture.
constexpr Point hexagonCentre(int n) {
    const Cell c = cellOf(n);
    return {480.0 + (c.row + 2 * c.column) * columnStep, 7665.0 - c.row * rowStep};
}

// Top left of hexagon n's number label. Hexagon 100's label is sized to its three digits, so it
// is shifted left by half its extra width to stay centred; label100Width is that width.
constexpr Point labelPosition(int n, double label100Width = labelSize) {
    const Cell c = cellOf(n);
    Point p{originLeft + (c.row + 2 * c.column) * columnStep, originTop - c.row * rowStep};
    if (n == 100)
        p.x -= (label100Width - labelSize) / 2.0;
    return p;
}

// Top left of the counter picture over hexagon n. Hexagon 100's counter stands 15 twips right
// of where the general rule would put it.
constexpr Point counterPosition(int n, double label100Width = labelSize) {
    Point p = labelPosition(n, label100Width);
    p.x -= counterOffsetLeft;
    p.y -= counterOffsetTop;
    if (n == 100)
        p.x += (label100Width - labelSize) / 2.0 + 15.0;
    return p;
}

// The neighbour test on label positions: within 2.1 column steps across and 1.1 row steps up
// or down. On this grid it admits exactly the six hexagons around one (and the hexagon itself).
constexpr bool touches(Point p, Point q) {
    const double dx = p.x > q.x ? p.x - q.x : q.x - p.x;
    const double dy = p.y > q.y ? p.y - q.y : q.y - p.y;
    return dx < 2.1 * columnStep && dy < 1.1 * rowStep;
}

// The six directions of the adjacency file, in its column order.
inline constexpr std::array<Cell, 6> kDirections{
    {{1, 0}, {-1, 0}, {0, 1}, {-1, 1}, {1, -1}, {0, -1}}};

// Neighbour of hexagon n in direction k (0 to 5) by the grid rule, or 0 at the board's edge.
constexpr int gridNeighbour(int n, int k) {
    const Cell c = cellOf(n);
    return numberAt(c.column + kDirections[k].column, c.row + kDirections[k].row);
}

namespace detail {
constexpr std::array<NumberSet, 101> makeNeighbourSets() {
    std::array<NumberSet, 101> sets{};
    for (int n = 1; n <= 100; ++n)
        for (int m = 1; m <= 100; ++m)
            if (m != n && touches(labelPosition(n), labelPosition(m)))
                sets[n].set(m);
    return sets;
}
inline constexpr std::array<NumberSet, 101> kNeighbourSets = makeNeighbourSets();
} // namespace detail

// The hexagons that touch hexagon n by the neighbour test, n itself excluded.
constexpr const NumberSet& neighbours(int n) {
    return detail::kNeighbourSets[n];
}

} // namespace tezzle::geometry
