#pragma once

#include "ui/Colours.h"
#include "ui/Zones.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Drawing pieces shared by every picture, so the board, its counters, the balls and the
// illustrations all come out of one hand. Sizes scale with the arguments; nothing here knows
// where on the board a piece stands.
namespace tezzle::art {

QColor toQColor(Rgb rgb);
QColor darker(const QColor& c, double factor);  // factor 0..1 of the original brightness
QColor lighter(const QColor& c, double amount); // 0 = unchanged, 1 = white

// Liberation Sans bold, the metric twin of the game's Arial, at a size in pixels.
QFont boldFont(double pixels);

// A pointy-top hexagon: vertices at the top and bottom, flat sides left and right.
QPainterPath hexagonPath(QPointF centre, double circumradius);
// A regular polygon with a corner at the top; with an inner radius, a star of as many points.
QPainterPath regularPolygon(QPointF centre, double radius, int corners, double innerRadius = 0);

// One board cell: the zone colour, a recessed well where the number sits (dark for plain
// numbers, light for primes so the pale grey and the black numbers both read), and a grey
// frame around a prime. side is the hexagon's side; the tile leaves a thin gap to its
// neighbours.
void drawTile(QPainter& p, QPointF centre, double side, const ui::ZoneLook& zone, bool prime);

// A counter: a shaded disc in the given colour, centred on its hexagon.
void drawCounter(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A shaded sphere with a dark disc in its middle on which the zone's points are written.
void drawBall(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A die showing value (1 to 6) with pips, in a rounded box.
void drawDie(QPainter& p, const QRectF& box, int value, const QColor& colour);

// Counter radius and well radius as fractions of the hexagon side. A counter picture is 32
// pixels square with the hexagon's centre at (19, 18.8): the disc and its shadow must end a
// pixel short of its right and bottom edges, so the picture's edge is all board.
inline constexpr double kCounterRadius = 11.3 / 31.4;
inline constexpr double kWellRadius = 14.8 / 31.4;

} // namespace tezzle::art
