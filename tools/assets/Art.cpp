#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tezzle::art {

namespace {

// The board's own scale: a hexagon side of 471 twips is 31.4 pixels. Line widths and gaps are
// designed at that size and scale with the side.
constexpr double kBoardSide = 31.4;
const double kCos30 = std::sqrt(3.0) / 2.0;

int channel(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QLinearGradient vertical(double top, double bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, upper);
    g.setColorAt(1, lower);
    return g;
}

void fillDisc(QPainter& p, QPointF centre, double radius, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(centre, radius, radius);
}

void strokeDisc(QPainter& p, QPointF centre, double radius, const QBrush& brush, double width) {
    p.setPen(QPen(brush, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QColor toQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor darker(const QColor& c, double factor) {
    return QColor(channel(c.red() * factor), channel(c.green() * factor),
                  channel(c.blue() * factor), c.alpha());
}

QColor lighter(const QColor& c, double amount) {
    auto mix = [amount](int v) {
        return channel(v + (255 - v) * amount);
    };
    return QColor(mix(c.red()), mix(c.green()), mix(c.blue()), c.alpha());
}

QFont boldFont(double pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    font.setBold(true);
    return font;
}

QPainterPath regularPolygon(QPointF centre, double radius, int corners, double innerRadius) {
    QPainterPath path;
    const int points = innerRadius > 0 ? 2 * corners : corners;
    for (int i = 0; i < points; ++i) {
        const double r = innerRadius > 0 && i % 2 == 1 ? innerRadius : radius;
        const double angle = (-90.0 + 360.0 * i / points) * std::numbers::pi / 180.0;
        const QPointF at(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

QPainterPath hexagonPath(QPointF centre, double circumradius) {
    return regularPolygon(centre, circumradius, 6);
}

void drawTile(QPainter& p, QPointF centre, double side, const ui::ZoneLook& zone, bool prime) {
    const double unit = side / kBoardSide;
    const QColor base = toQColor(zone.colour);
    // One pixel off each side leaves a two-pixel seam of background between neighbours.
    const double radius = side - 1.0 * unit / kCos30;
    const double top = centre.y() - radius;
    const double bottom = centre.y() + radius;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(top, bottom, lighter(base, 0.16), darker(base, 0.84)));
    p.drawPath(hexagonPath(centre, radius));

    // A bevelled rim: light catches the upper edges, the lower ones fall into shade. A prime's
    // rim is a wider grey frame.
    const double rim = (prime ? 3.4 : 1.6) * unit;
    const QColor rimTop = prime ? QColor(226, 226, 226) : lighter(base, 0.4);
    const QColor rimBottom = prime ? QColor(112, 112, 112) : darker(base, 0.58);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vertical(top, bottom, rimTop, rimBottom), rim, Qt::SolidLine, Qt::FlatCap,
                  Qt::MiterJoin));
    p.drawPath(hexagonPath(centre, radius - rim / 2.0 / kCos30));

    // The well is sunk into the tile: its upper lip in shade, its lower lip catching the light.
    const double well = kWellRadius * side;
    const QColor wellColour = prime ? lighter(base, 0.5) : darker(base, 0.5);
    fillDisc(p, centre, well,
             vertical(centre.y() - well, centre.y() + well, darker(wellColour, 0.86),
                      prime ? lighter(wellColour, 0.25) : darker(wellColour, 1.2)));
    strokeDisc(
        p, centre, well - 0.5 * unit,
        vertical(centre.y() - well, centre.y() + well, darker(base, 0.55), lighter(base, 0.45)),
        1.1 * unit);
    p.restore();
}

void drawCounter(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    const double unit = radius / 11.3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    fillDisc(p, centre + QPointF(0.3 * unit, 0.7 * unit), radius, QColor(0, 0, 0, 90));

    QRadialGradient body(centre, radius, centre - QPointF(0.35 * radius, 0.4 * radius));
    body.setColorAt(0.0, lighter(colour, 0.55));
    body.setColorAt(0.5, colour);
    body.setColorAt(1.0, darker(colour, 0.6));
    fillDisc(p, centre, radius, body);
    strokeDisc(p, centre, radius - 0.5 * unit, darker(colour, 0.42), 1.0 * unit);

    // The raised face of the counter: a groove with a lit lower edge.
    const double face = 0.66 * radius;
    strokeDisc(p, centre, face, darker(colour, 0.7), 1.0 * unit);
    strokeDisc(p, centre + QPointF(0.3 * unit, 0.6 * unit), face, lighter(colour, 0.5), 0.6 * unit);

    const QPointF glint = centre - QPointF(0.34 * radius, 0.42 * radius);
    QRadialGradient shine(glint, 0.32 * radius);
    shine.setColorAt(0.0, QColor(255, 255, 255, 200));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    fillDisc(p, glint, 0.32 * radius, shine);
    p.restore();
}

void drawBall(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient body(centre, radius, centre - QPointF(0.38 * radius, 0.42 * radius));
    body.setColorAt(0.0, lighter(colour, 0.6));
    body.setColorAt(0.45, colour);
    body.setColorAt(1.0, darker(colour, 0.5));
    fillDisc(p, centre, radius, body);

    // A darker middle, where the window writes the zone's points in pale grey.
    const double disc = 0.62 * radius;
    fillDisc(
        p, centre, disc,
        vertical(centre.y() - disc, centre.y() + disc, darker(colour, 0.36), darker(colour, 0.56)));
    strokeDisc(p, centre, disc, darker(colour, 0.75), 0.04 * radius);

    // Highlights: a soft window reflection above the disc and a faint bounce light below.
    const QPointF glint = centre + QPointF(-0.3 * radius, -0.8 * radius);
    QRadialGradient shine(glint, 0.3 * radius);
    shine.setColorAt(0.0, QColor(255, 255, 255, 220));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    fillDisc(p, glint, 0.3 * radius, shine);
    const QPointF bounce = centre + QPointF(0.25 * radius, 0.84 * radius);
    QRadialGradient glow(bounce, 0.22 * radius);
    glow.setColorAt(0.0, QColor(255, 255, 255, 90));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    fillDisc(p, bounce, 0.22 * radius, glow);
    p.restore();
}

void drawDie(QPainter& p, const QRectF& box, int value, const QColor& colour) {
    // Pip places on a 3 x 3 grid, by face value.
    static constexpr std::array<std::array<bool, 9>, 6> kPips{{
        {0, 0, 0, 0, 1, 0, 0, 0, 0},
        {1, 0, 0, 0, 0, 0, 0, 0, 1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {1, 0, 1, 0, 0, 0, 1, 0, 1},
        {1, 0, 1, 0, 1, 0, 1, 0, 1},
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
    }};
    const double size = std::min(box.width(), box.height());
    const double corner = 0.18 * size;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(box.translated(0.04 * size, 0.06 * size), corner, corner);
    p.setBrush(vertical(box.top(), box.bottom(), lighter(colour, 0.35), darker(colour, 0.8)));
    p.setPen(QPen(darker(colour, 0.45), 0.035 * size));
    p.drawRoundedRect(box, corner, corner);

    const bool lightFace = colour.lightnessF() > 0.6;
    const QColor pip = lightFace ? QColor(20, 20, 30) : QColor(250, 250, 250);
    p.setPen(Qt::NoPen);
    p.setBrush(pip);
    const double step = 0.27 * size;
    const double pipRadius = 0.085 * size;
    const int face = std::clamp(value, 1, 6) - 1;
    for (int i = 0; i < 9; ++i)
        if (kPips[face][i])
            p.drawEllipse(box.center() + QPointF((i % 3 - 1) * step, (i / 3 - 1) * step), pipRadius,
                          pipRadius);
    p.restore();
}

} // namespace tezzle::art
