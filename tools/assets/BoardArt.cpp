#include "BoardArt.h"

#include "Art.h"
#include "Marks.h"
#include "ui/Players.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <cmath>

namespace tezzle::art {

namespace {

// Where a tile sprite holds the top left of its counter picture, and the sprite's size: room
// for the whole hexagon around it.
constexpr QPoint kSpriteCounterOrigin{12, 16};
constexpr QSize kSpriteSize{64, 70};

// The zone balls' square pictures stand at the left of the window on plain background.
constexpr QRect kBallColumn(90 / 15, 120 / 15, 840 / 15, 7 * 840 / 15);

QImage tileSprite(const ui::ZoneLook& zone, bool prime, int scale, bool marked) {
    QImage sprite(kSpriteSize * scale, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    QPainter p(&sprite);
    p.scale(scale, scale);
    const QPointF centre = QPointF(kSpriteCounterOrigin) + centreInCounter();
    drawTile(p, centre, kBoardSide, zone, prime);
    if (marked)
        drawZoneMark(p, centre, kBoardSide, zone);
    return sprite;
}

// A soft shadow of the whole board, falling down and to the right. It lies under the tiles and
// shows only around them: no counter reaches that far. Its blur is the same in the board's own
// pixels at every scale.
QImage boardShadow(int scale) {
    constexpr int kShrink = 4; // blurred by scaling down and up again
    QImage shadow(kBoardWidth / kShrink, kBoardHeight / kShrink,
                  QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter p(&shadow);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / kShrink, 1.0 / kShrink);
    p.translate(2.0, 3.5);
    // Filled as one path with the winding rule, so overlaps are not darkened twice.
    QPainterPath board;
    board.setFillRule(Qt::WindingFill);
    for (int n = kFirstNumber; n <= kLastNumber; ++n)
        board.addPath(hexagonPath(drawnCentre(n), kBoardSide + 1.0));
    p.fillPath(board, QColor(0, 0, 40, 110));
    p.end();
    return shadow.scaled(kBoardWidth * scale, kBoardHeight * scale, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

} // namespace

QPoint counterPixel(int n) {
    const geometry::Pixel p = geometry::toPixels(geometry::counterPosition(n));
    return {p.x, p.y};
}

QPointF centreInCounter() {
    const geometry::Point centre = geometry::hexagonCentre(1);
    const geometry::Point counter = geometry::counterPosition(1);
    return {(centre.x - counter.x) / 15.0, (centre.y - counter.y) / 15.0};
}

QPointF drawnCentre(int n) {
    return QPointF(counterPixel(n)) + centreInCounter();
}

QColor playerColour(int player) {
    return toQColor(ui::kPlayerLooks[static_cast<std::size_t>(player - 1)].colour);
}

BoardArt::BoardArt(int scale, bool marked)
    : scale_(scale) {
    for (std::size_t z = 0; z < ui::kZoneLooks.size(); ++z)
        for (const bool prime : {false, true})
            tiles[z][prime ? 1 : 0] = tileSprite(ui::kZoneLooks[z], prime, scale, marked);
}

const QImage& BoardArt::tile(const ui::ZoneLook& zone, bool prime) const {
    std::size_t z = 0;
    while (z + 1 < ui::kZoneLooks.size() && ui::kZoneLooks[z].code != zone.code)
        ++z;
    return tiles[z][prime ? 1 : 0];
}

QImage BoardArt::board() const {
    QImage board(kBoardWidth * scale_, kBoardHeight * scale_, QImage::Format_RGB32);
    board.fill(toQColor(colours::kBoardBackground));
    QPainter p(&board);
    // The shadow's blur would reach the balls' squares, which must lie on plain background.
    p.setClipRegion(
        QRegion(board.rect())
            .subtracted(QRect(kBallColumn.topLeft() * scale_, kBallColumn.size() * scale_)));
    p.drawImage(0, 0, boardShadow(scale_));
    p.setClipping(false);
    for (int n = kFirstNumber; n <= kLastNumber; ++n)
        p.drawImage((counterPixel(n) - kSpriteCounterOrigin) * scale_,
                    tile(ui::zoneLookOf(n), isPrime(n)));
    return board;
}

QImage BoardArt::counter(const ui::ZoneLook& zone, bool prime, const QColor& colour,
                         std::optional<ui::MarkShape> mark) const {
    QImage counter(kCounterSize * scale_, kCounterSize * scale_, QImage::Format_RGB32);
    counter.fill(toQColor(colours::kBoardBackground));
    QPainter p(&counter);
    p.drawImage(-kSpriteCounterOrigin * scale_, tile(zone, prime));
    p.scale(scale_, scale_);
    drawCounter(p, centreInCounter(), kCounterRadius * kBoardSide, colour);
    if (mark)
        drawPlayerMark(p, centreInCounter(), kCounterRadius * kBoardSide, *mark);
    return counter;
}

QImage BoardArt::scene(const Owners& owners, const std::vector<int>& outline) const {
    QImage scene = board();
    QPainter p(&scene);
    if (!outline.empty()) {
        QPolygonF shape;
        for (const int n : outline)
            shape << drawnCentre(n);
        p.save();
        p.scale(scale_, scale_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255, 230), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(shape);
        p.restore();
    }
    // Counter pictures go to their whole pixels unscaled; the numbers are drawn at the scale.
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        const int owner = owners[static_cast<std::size_t>(n)];
        if (owner >= 1 && owner <= kMaxPlayers)
            p.drawImage(counterPixel(n) * scale_,
                        counter(ui::zoneLookOf(n), isPrime(n), playerColour(owner)));
    }
    p.scale(scale_, scale_);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The number labels' Arial 15.75 pt bold, at 96 dots per inch.
    p.setFont(boldFont(21));
    for (int n = kFirstNumber; n <= kLastNumber; ++n) {
        const int owner = owners[static_cast<std::size_t>(n)];
        if (owner >= 1 && owner <= kMaxPlayers)
            continue;
        const QPointF centre = drawnCentre(n);
        p.setPen(toQColor(numberColour(n)));
        p.drawText(QRectF(centre.x() - 30, centre.y() - 16, 60, 32), Qt::AlignCenter,
                   QString::number(n));
    }
    return scene;
}

} // namespace tezzle::art
