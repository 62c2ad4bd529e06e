#include "Illustrations.h"

#include "Art.h"
#include "BoardArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <span>

namespace tezzle::art {

namespace {

struct Placement {
    int hexagon;
    int player;
};

// A rules picture is a piece of the board scene, scaled. The mean of the anchor hexagons'
// centres lands on the mean of the targets (in the picture's pixels), or on the picture's
// middle when there are no targets.
struct RulesPicture {
    const char* path;
    QSize size;
    double scale;
    std::vector<int> anchors;
    std::vector<QPointF> targets;
    std::vector<Placement> counters;
    std::vector<int> outline;
};

// Rules page 5 draws white lines across its picture, whose top left stands at (5940, 3600)
// twips; these are the lines' corners in twips and the hexagons the finished chain turns at.
constexpr QPoint kEndPictureOrigin{5940, 3600};
constexpr std::array<QPoint, 8> kEndLine{{{6150, 7050},
                                          {7170, 5280},
                                          {7995, 5280},
                                          {8610, 4200},
                                          {9810, 4200},
                                          {10050, 4560},
                                          {11250, 4560},
                                          {11670, 3840}}};
constexpr std::array<int, 8> kEndCorners{1, 16, 31, 57, 81, 82, 97, 100};

int sign(int v) {
    return (v > 0) - (v < 0);
}

// The hexagons from corner to corner along straight lines of the grid.
std::vector<int> chainThrough(std::span<const int> corners) {
    std::vector<int> chain{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        geometry::Cell at = geometry::cellOf(chain.back());
        const geometry::Cell to = geometry::cellOf(corners[i]);
        const int dc = sign(to.column - at.column);
        const int dr = sign(to.row - at.row);
        while (!(at == to)) {
            at.column += dc;
            at.row += dr;
            chain.push_back(geometry::numberAt(at.column, at.row));
        }
    }
    return chain;
}

// A finished game: the chain of the end picture in all four colours, and counters scattered
// over the rest of the board.
std::vector<Placement> finishedGame() {
    std::vector<Placement> counters;
    const std::vector<int> chain = chainThrough(kEndCorners);
    Owners owned{};
    for (std::size_t i = 0; i < chain.size(); ++i) {
        owned[static_cast<std::size_t>(chain[i])] = 1;
        counters.push_back({chain[i], static_cast<int>((i * 3 + i / 4) % 4) + 1});
    }
    for (int n = kFirstNumber; n <= kLastNumber; ++n)
        if (!owned[static_cast<std::size_t>(n)] && (n * 37) % 100 < 28)
            counters.push_back({n, (n * 7 + 3) % 4 + 1});
    return counters;
}

std::vector<QPointF> endTargets() {
    std::vector<QPointF> targets;
    for (const QPoint& p : kEndLine)
        targets.push_back(QPointF(p - kEndPictureOrigin) / 15.0);
    return targets;
}

std::vector<RulesPicture> rulesPictureTable() {
    return {
        {"images/start.jpg", {189, 235}, 0.85, {40, 41}, {}, {{40, 1}, {32, 2}, {49, 3}}, {}},
        // Smaller and to the bottom right, clear of the zone table that rules page 3 writes
        // over the picture's top left.
        {"images/board.jpg", {399, 248}, 0.46, {1, 100}, {{216, 135}}, {}, {}},
        {"images/tezzle.jpg",
         {166, 188},
         1.0,
         {25, 32, 33},
         {},
         {{25, 2}, {32, 3}, {33, 1}},
         {25, 32, 33}},
        {"images/doubletezzle.jpg",
         {217, 190},
         1.0,
         {12, 17, 18},
         {},
         {{12, 2}, {18, 4}, {17, 1}},
         {12, 17, 18}},
        {"images/end.jpg",
         {397, 248},
         0.5,
         {kEndCorners.begin(), kEndCorners.end()},
         endTargets(),
         finishedGame(),
         {}},
    };
}

QImage renderRulesPicture(const BoardArt& art, const RulesPicture& picture) {
    Owners owners{};
    for (const Placement& c : picture.counters)
        owners[static_cast<std::size_t>(c.hexagon)] = c.player;
    const QImage scene = art.scene(owners, picture.outline);

    QPointF anchor;
    for (const int n : picture.anchors)
        anchor += drawnCentre(n);
    anchor /= static_cast<double>(picture.anchors.size());
    QPointF target(picture.size.width() / 2.0, picture.size.height() / 2.0);
    if (!picture.targets.empty()) {
        target = {};
        for (const QPointF& t : picture.targets)
            target += t;
        target /= static_cast<double>(picture.targets.size());
    }
    const QPointF topLeft = anchor - target / picture.scale;
    // The cut is chosen in the board's own pixels, so every scale shows the same piece.
    const int scale = art.scale();
    const QRect cut(static_cast<int>(std::lround(topLeft.x())) * scale,
                    static_cast<int>(std::lround(topLeft.y())) * scale,
                    static_cast<int>(std::lround(picture.size.width() / picture.scale)) * scale,
                    static_cast<int>(std::lround(picture.size.height() / picture.scale)) * scale);
    // Beyond the board window's edge the picture goes on in its background colour.
    QImage piece(cut.size(), QImage::Format_RGB32);
    piece.fill(toQColor(colours::kBoardBackground));
    QPainter p(&piece);
    p.drawImage(QPoint(0, 0), scene, cut);
    p.end();
    const QSize size = picture.size * scale;
    if (piece.size() == size)
        return piece;
    return piece.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void drawOutlinedText(QPainter& p, QPointF baselineCentre, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& edge, double width) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(baselineCentre.x() - path.boundingRect().center().x(), baselineCentre.y());
    p.setPen(QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void drawDice(QPainter& p, const std::vector<std::pair<QRectF, int>>& dice, double tilt) {
    const QColor ivory(250, 246, 232);
    for (std::size_t i = 0; i < dice.size(); ++i) {
        const QRectF& box = dice[i].first;
        p.save();
        p.translate(box.center());
        p.rotate((i % 2 ? -1.0 : 1.0) * tilt * static_cast<double>(i + 1));
        drawDie(p, QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()),
                dice[i].second, ivory);
        p.restore();
    }
}

} // namespace

std::vector<Picture> rulesPictures(const BoardArt& art) {
    std::vector<Picture> pictures;
    for (const RulesPicture& picture : rulesPictureTable())
        pictures.push_back({QString::fromLatin1(picture.path), renderRulesPicture(art, picture)});
    return pictures;
}

QImage titleImage(int scale) {
    const QRect frame(0, 0, 320, 240);
    QImage image(frame.size() * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor background = toQColor(colours::kBoardBackground);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, lighter(background, 0.2));
    sky.setColorAt(1, darker(background, 0.7));
    p.fillRect(frame, sky);

    // A close-up of the board around 40, the number the dice below make.
    const double side = 40.0;
    const double columnStep = side * std::sqrt(3.0) / 2.0;
    const double rowStep = 1.5 * side;
    const geometry::Cell focus = geometry::cellOf(40);
    const QPointF focusAt(196, 104);
    Owners owners{};
    for (const Placement c : {Placement{40, 1}, {32, 2}, {41, 3}, {33, 4}, {48, 2}, {24, 3}})
        owners[static_cast<std::size_t>(c.hexagon)] = c.player;
    const QFont font = boldFont(21.0 * side / kBoardSide);
    p.setFont(font);
    for (int column = 0; column < geometry::kColumns; ++column)
        for (int row = 0; row < geometry::kRows; ++row) {
            const int n = geometry::numberAt(column, row);
            const int across = (row - focus.row) + 2 * (column - focus.column);
            const QPointF centre =
                focusAt + QPointF(across * columnStep, -(row - focus.row) * rowStep);
            if (centre.x() < -side || centre.x() > 320 + side || centre.y() < -side ||
                centre.y() > 240 + side)
                continue;
            drawTile(p, centre, side, ui::zoneLookOf(n), isPrime(n));
            const int owner = owners[static_cast<std::size_t>(n)];
            if (owner > 0) {
                drawCounter(p, centre, kCounterRadius * side, playerColour(owner));
                continue;
            }
            p.setPen(toQColor(numberColour(n)));
            p.drawText(QRectF(centre.x() - side, centre.y() - side / 2, 2 * side, side),
                       Qt::AlignCenter, QString::number(n));
        }

    // The board fades into the dark below, where the dice lie.
    QLinearGradient dusk(0, 140, 0, 215);
    dusk.setColorAt(0, QColor(0, 0, 40, 0));
    dusk.setColorAt(1, QColor(0, 10, 50, 225));
    p.fillRect(frame, dusk);

    drawDice(p,
             {{QRectF(14, 150, 38, 38), 6},
              {QRectF(58, 158, 38, 38), 4},
              {QRectF(20, 194, 38, 38), 3},
              {QRectF(64, 200, 38, 38), 1}},
             4.0);

    const QRectF band(112, 206, 200, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 40, 150));
    p.drawRoundedRect(band, 8, 8);
    p.setFont(boldFont(17));
    p.setPen(QColor(255, 255, 0));
    p.drawText(band, Qt::AlignCenter, QStringLiteral("(6 + 4) \u00d7 (3 + 1) = 40"));
    return image;
}

QImage logoImage(int scale) {
    const QRect frame(0, 0, 100, 139);
    QImage image(frame.size() * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, 139);
    night.setColorAt(0, QColor(30, 40, 170));
    night.setColorAt(1, QColor(0, 0, 96));
    p.fillRect(frame, night);
    p.setPen(QPen(QColor(255, 255, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 97, 136), 7, 7);

    // A Tezzle!: three counters on three touching hexagons.
    const double side = 19.0;
    const double columnStep = side * std::sqrt(3.0) / 2.0;
    const QPointF top(50, 28);
    const std::array<QPointF, 3> centres{top, top + QPointF(-columnStep, 1.5 * side),
                                         top + QPointF(columnStep, 1.5 * side)};
    // Yellow, turquoise and orange, from the top.
    constexpr std::array<std::size_t, 3> kTileZones{2, 1, 0};
    for (std::size_t i = 0; i < centres.size(); ++i)
        drawTile(p, centres[i], side, ui::kZoneLooks[kTileZones[i]], false);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF({centres[0], centres[1], centres[2]}));
    for (std::size_t i = 0; i < centres.size(); ++i)
        drawCounter(p, centres[i], kCounterRadius * side * 1.15,
                    playerColour(static_cast<int>(i) + 1));

    drawOutlinedText(p, QPointF(50, 100), QStringLiteral("TEZZLE!"), boldFont(19),
                     QColor(255, 0, 0), QColor(255, 255, 0), 3.0);
    drawDice(p, {{QRectF(24, 108, 24, 24), 6}, {QRectF(53, 108, 24, 24), 4}}, 6.0);
    return image;
}

} // namespace tezzle::art
