#include "Pictures.h"

#include "Art.h"
#include "BoardArt.h"
#include "Illustrations.h"
#include "Marks.h"
#include "ui/Players.h"

#include <QPainter>

namespace tezzle::art {

namespace {

QImage ballImage(const ui::ZoneLook& zone, int scale) {
    constexpr int kSize = 56; // 840 twips
    QImage ball(kSize * scale, kSize * scale, QImage::Format_RGB32);
    ball.fill(toQColor(colours::kBoardBackground));
    QPainter p(&ball);
    p.scale(scale, scale);
    drawBall(p, QPointF(kSize / 2.0, kSize / 2.0), kSize / 2.0 - 1.0, toQColor(zone.colour));
    return ball;
}

QString counterPath(const ui::ZoneLook& zone, std::string_view player, bool prime) {
    return QStringLiteral("counters/%1%2%3.bmp")
        .arg(QString::fromLatin1(zone.code.data(), static_cast<qsizetype>(zone.code.size())),
             QString::fromLatin1(player.data(), static_cast<qsizetype>(player.size())),
             prime ? QStringLiteral("2") : QStringLiteral("1"));
}

// The pictures at one scale, under their 1x names.
std::vector<Picture> picturesAt(int scale) {
    const BoardArt art(scale);
    std::vector<Picture> pictures;
    pictures.push_back({QStringLiteral("Images/tezzle3.bmp"), art.board()});
    for (const ui::ZoneLook& zone : ui::kZoneLooks)
        for (const bool prime : {false, true}) {
            for (int player = 1; player <= kMaxPlayers; ++player)
                pictures.push_back(
                    {counterPath(zone,
                                 ui::kPlayerLooks[static_cast<std::size_t>(player - 1)].counterCode,
                                 prime),
                     art.counter(zone, prime, playerColour(player))});
            pictures.push_back(
                {counterPath(zone, "wh", prime), art.counter(zone, prime, Qt::white)});
        }
    for (const ui::ZoneLook& zone : ui::kZoneLooks)
        pictures.push_back({QStringLiteral("Balls/%1ball.bmp")
                                .arg(QString::fromLatin1(zone.code.data(),
                                                         static_cast<qsizetype>(zone.code.size()))),
                            ballImage(zone, scale)});
    pictures.push_back({QStringLiteral("Images/tezzlemd.bmp"), titleImage(scale)});
    pictures.push_back({QStringLiteral("Images/logo2.jpg"), logoImage(scale)});
    for (Picture& rules : rulesPictures(art))
        pictures.push_back(std::move(rules));
    for (Picture& marked : markedPictures(scale))
        pictures.push_back(std::move(marked));
    return pictures;
}

} // namespace

std::vector<Picture> allPictures() {
    std::vector<Picture> pictures = picturesAt(1);
    for (Picture& twice : picturesAt(2)) {
        const qsizetype dot = twice.path.lastIndexOf(QLatin1Char('.'));
        twice.path.insert(dot, QStringLiteral("@2x"));
        pictures.push_back(std::move(twice));
    }
    return pictures;
}

} // namespace tezzle::art
