#include "Marks.h"

#include "Art.h"
#include "BoardArt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace tezzle::art {

namespace {

constexpr int kMarkPictureSize = 22; // beside a name: a small counter with its mark

QPainterPath markPath(QPointF c, double r, ui::MarkShape shape) {
    QPainterPath path;
    switch (shape) {
    case ui::MarkShape::Square:
        path.addRect(QRectF(c.x() - 0.48 * r, c.y() - 0.48 * r, 0.96 * r, 0.96 * r));
        break;
    case ui::MarkShape::Triangle:
        // Its centroid a little low, so it looks centred.
        path = regularPolygon(c + QPointF(0, 0.1 * r), 0.68 * r, 3);
        break;
    case ui::MarkShape::Cross:
        path.setFillRule(Qt::WindingFill);
        path.addRect(QRectF(c.x() - 0.64 * r, c.y() - 0.19 * r, 1.28 * r, 0.38 * r));
        path.addRect(QRectF(c.x() - 0.19 * r, c.y() - 0.64 * r, 0.38 * r, 1.28 * r));
        break;
    case ui::MarkShape::Star:
        path = regularPolygon(c + QPointF(0, 0.04 * r), 0.72 * r, 5, 0.32 * r);
        break;
    }
    return path;
}

int zonePoints(const ui::ZoneLook& zone) {
    return kZones[static_cast<std::size_t>(&zone - ui::kZoneLooks.data())].points;
}

QString counterName(const ui::ZoneLook& zone, std::string_view who, bool prime) {
    return QStringLiteral("counters/%1%2%3m.bmp")
        .arg(QString::fromLatin1(zone.code.data(), static_cast<qsizetype>(zone.code.size())),
             QString::fromLatin1(who.data(), static_cast<qsizetype>(who.size())),
             prime ? QStringLiteral("2") : QStringLiteral("1"));
}

QImage markImage(int player, int scale) {
    QImage image(kMarkPictureSize * scale, kMarkPictureSize * scale, QImage::Format_RGB32);
    image.fill(toQColor(colours::kBoardBackground));
    QPainter p(&image);
    p.scale(scale, scale);
    const QPointF centre(kMarkPictureSize / 2.0 - 0.5, kMarkPictureSize / 2.0 - 0.5);
    const double radius = kMarkPictureSize / 2.0 - 1.5;
    drawCounter(p, centre, radius, playerColour(player));
    drawPlayerMark(p, centre, radius, ui::kPlayerMarks[static_cast<std::size_t>(player - 1)]);
    return image;
}

} // namespace

void drawPlayerMark(QPainter& p, QPointF centre, double counterRadius, ui::MarkShape shape) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0));
    p.drawPath(markPath(centre, counterRadius, shape));
    p.restore();
}

void drawZoneMark(QPainter& p, QPointF hexagonCentre, double side, const ui::ZoneLook& zone) {
    const QString points = QString::number(zonePoints(zone));
    const QFont font = boldFont(0.3 * side);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(points);
    const double pad = 0.05 * side;
    const QPointF middle = hexagonCentre - QPointF(0, 0.64 * side);
    const QRectF plate(middle.x() - ink.width() / 2 - 2 * pad, middle.y() - ink.height() / 2 - pad,
                       ink.width() + 4 * pad, ink.height() + 2 * pad);
    const QColor base = toQColor(zone.colour);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(darker(base, 0.75), 0.03 * side));
    p.setBrush(darker(base, 0.36));
    p.drawRoundedRect(plate, 1.5 * pad, 1.5 * pad);
    p.setFont(font);
    p.setPen(toQColor(colours::kPaleGrey));
    p.drawText(QPointF(middle.x() - ink.width() / 2 - ink.left(),
                       middle.y() - ink.height() / 2 - ink.top()),
               points);
    p.restore();
}

std::vector<Picture> markedPictures(int scale) {
    const BoardArt art(scale, true);
    std::vector<Picture> pictures;
    pictures.push_back({QString::fromLatin1(ui::kMarkedBoardPicture.data(),
                                            static_cast<qsizetype>(ui::kMarkedBoardPicture.size())),
                        art.board()});
    for (const ui::ZoneLook& zone : ui::kZoneLooks)
        for (const bool prime : {false, true}) {
            for (int player = 1; player <= kMaxPlayers; ++player) {
                const auto who = static_cast<std::size_t>(player - 1);
                pictures.push_back(
                    {counterName(zone, ui::kPlayerLooks[who].counterCode, prime),
                     art.counter(zone, prime, playerColour(player), ui::kPlayerMarks[who])});
            }
            pictures.push_back(
                {counterName(zone, "wh", prime), art.counter(zone, prime, Qt::white)});
        }
    for (int player = 1; player <= kMaxPlayers; ++player) {
        const std::string name = ui::playerMarkPicture(player - 1);
        pictures.push_back({QString::fromStdString(name), markImage(player, scale)});
    }
    return pictures;
}

} // namespace tezzle::art
