#pragma once

#include "core/Geometry.h"
#include "core/Tables.h"
#include "ui/Marks.h"
#include "ui/Zones.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>

#include <array>
#include <optional>
#include <vector>

// The board picture and the counters that lie on it, placed to the pixel.
//
// Positions in twips are not whole pixels. The rule shared with the board window
// (geometry::toPixels): a counter picture's top left is its twips position divided by 15 and
// rounded to the nearest pixel (halves away from zero), and the board draws each hexagon at a
// fixed offset from that same pixel. Every hexagon of one zone and primality is then the same
// pixels on the board, so one counter file fits all of them exactly.
namespace tezzle::art {

inline constexpr int kCounterSize = 32;
inline constexpr int kBoardWidth = 800;
inline constexpr int kBoardHeight = 600;
inline constexpr double kBoardSide = geometry::sideLength / 15.0;

// Top left of hexagon n's counter picture, in whole pixels of the board window.
QPoint counterPixel(int n);

// Where the hexagon's centre lies inside its counter picture: not the middle, because the
// counter stands 45 twips left of and 90 twips above a label that is centred across the hexagon
// but sits 40 % down it.
QPointF centreInCounter();

// The centre the board draws hexagon n at: its counter pixel plus centreInCounter().
QPointF drawnCentre(int n);

QColor playerColour(int player); // 1 to 4; the flash counter is white

using Owners = std::array<int, 101>; // by hexagon: 0 free, else the player number 1 to 4

// Paints the board and its counters from one set of tiles: each zone's plain and prime tile is
// drawn once onto a transparent sprite and copied to whole-pixel places, so equal tiles are
// equal to the last bit wherever they stand.
//
// At a scale of 2 every picture has twice the pixels for a high-DPI screen: the same drawing,
// each piece at twice its whole-pixel place, so the pictures still fit one another exactly.
class BoardArt {
public:
    // Marked, every hexagon carries its zone's mark.
    explicit BoardArt(int scale = 1, bool marked = false);

    int scale() const { return scale_; }

    // 800 x 600 times the scale, the board window's whole client area: the hexagons on its
    // background.
    QImage board() const;

    // A 32 x 32 counter (times the scale) of the given colour as it lies on a hexagon of the zone,
    // with a player's mark if given.
    QImage counter(const ui::ZoneLook& zone, bool prime, const QColor& colour,
                   std::optional<ui::MarkShape> mark = std::nullopt) const;

    // The board as players see it during a game: the numbers of free hexagons, the counters of
    // covered ones. outline joins the centres of the hexagons given with a white line under the
    // counters, to point out a shape.
    QImage scene(const Owners& owners, const std::vector<int>& outline = {}) const;

private:
    const QImage& tile(const ui::ZoneLook& zone, bool prime) const;

    int scale_;
    std::array<std::array<QImage, 2>, ui::kZoneLooks.size()> tiles; // by zone, then plain and prime
};

} // namespace tezzle::art
