#include "Icon.h"

#include "Art.h"
#include "BoardArt.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cmath>

namespace tezzle::art {

namespace {

// Drawn on a square of this many units: three hexagons in a triangle fill it to a small margin.
constexpr double kUnits = 256.0;
constexpr double kSide = 66.0;

// Only plain fills and pens: the SVG writer strokes nothing with a gradient.
void drawIcon(QPainter& p) {
    const double columnStep = kSide * std::sqrt(3.0) / 2.0;
    const QPointF top(kUnits / 2.0, (kUnits - 3.5 * kSide) / 2.0 + kSide);
    const std::array<QPointF, 3> centres{top, top + QPointF(-columnStep, 1.5 * kSide),
                                         top + QPointF(columnStep, 1.5 * kSide)};
    // Yellow, turquoise and orange hexagons, as on the set-up windows' logo.
    constexpr std::array<std::size_t, 3> kTileZones{2, 1, 0};
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const QColor base = toQColor(ui::kZoneLooks[kTileZones[i]].colour);
        const QPointF c = centres[i];
        QLinearGradient face(0, c.y() - kSide, 0, c.y() + kSide);
        face.setColorAt(0, lighter(base, 0.25));
        face.setColorAt(1, darker(base, 0.8));
        p.setBrush(face);
        p.setPen(QPen(darker(base, 0.55), 4.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(hexagonPath(c, kSide - 4.0));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({centres[0], centres[1], centres[2]}));
    for (std::size_t i = 0; i < centres.size(); ++i)
        drawCounter(p, centres[i], 0.46 * kSide, playerColour(static_cast<int>(i) + 1));
}

} // namespace

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(size / kUnits, size / kUnits);
    drawIcon(p);
    return image;
}

QByteArray iconSvg() {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(QSize(256, 256));
    generator.setViewBox(QRectF(0, 0, kUnits, kUnits));
    generator.setTitle(QStringLiteral("Tezzle!"));
    generator.setDescription(QStringLiteral("Three counters on three touching hexagons"));
    QPainter p(&generator);
    drawIcon(p);
    p.end();
    return svg.data();
}

} // namespace tezzle::art
