#pragma once

// The words, colours and pictures of what the game's state says: the one place the board
// window chooses them.

#include "core/GameState.h"
#include "ui/Players.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace tezzle::board {

struct PlayerWords {
    const char* name;
    const char* toPlay;
    const char* hasWon;
};

inline constexpr std::array<PlayerWords, kMaxPlayers> kPlayerWords{{
    {QT_TRANSLATE_NOOP("BoardWindow", "Blue"), QT_TRANSLATE_NOOP("BoardWindow", "Blue to Play"),
     QT_TRANSLATE_NOOP("BoardWindow", "BLUE HAS WON!")},
    {QT_TRANSLATE_NOOP("BoardWindow", "Red"), QT_TRANSLATE_NOOP("BoardWindow", "Red to Play"),
     QT_TRANSLATE_NOOP("BoardWindow", "RED HAS WON!")},
    {QT_TRANSLATE_NOOP("BoardWindow", "Green"), QT_TRANSLATE_NOOP("BoardWindow", "Green to Play"),
     QT_TRANSLATE_NOOP("BoardWindow", "GREEN HAS WON!")},
    {QT_TRANSLATE_NOOP("BoardWindow", "Yellow"), QT_TRANSLATE_NOOP("BoardWindow", "Yellow to Play"),
     QT_TRANSLATE_NOOP("BoardWindow", "YELLOW HAS WON!")},
}};

inline QString boardWord(const char* text) {
    return QCoreApplication::translate("BoardWindow", text);
}

inline const PlayerWords& wordsOf(int player) {
    return kPlayerWords[static_cast<std::size_t>(player)];
}

inline QString playerName(int player) {
    return boardWord(wordsOf(player).name);
}

inline QString bannerText(const Banner& b) {
    switch (b.kind) {
    case BannerKind::ToPlay:
        return boardWord(wordsOf(b.player).toPlay);
    case BannerKind::PointsScored:
        return QCoreApplication::translate("BoardWindow", "%n points scored", nullptr, b.number);
    case BannerKind::GameOver:
        return QCoreApplication::translate("BoardWindow", "GAME OVER!!!");
    case BannerKind::OutOfTime:
        return QCoreApplication::translate("BoardWindow", "OUT OF TIME!");
    case BannerKind::HasWon:
        return boardWord(wordsOf(b.player).hasWon);
    case BannerKind::PathBonus:
        // Nobody named when the completer is unknown: the words end with the space.
        return QCoreApplication::translate("BoardWindow", "%n points to %1", nullptr, b.number)
            .arg(b.player >= 0 && b.player < kMaxPlayers ? playerName(b.player) : QString());
    }
    return {};
}

inline QString logoText(const GameState& s) {
    return s.logoDouble ? QCoreApplication::translate("BoardWindow", "DOUBLE")
                        : QCoreApplication::translate("BoardWindow", "TEZZLE!");
}

inline Rgb logoColour(const GameState& s) {
    return s.logoLit ? colours::kYellow : colours::kRed;
}

inline Rgb playerColour(int player) {
    return ui::kPlayerLooks[static_cast<std::size_t>(player)].colour;
}

inline Rgb bannerColour(Tint t) {
    return t.white ? colours::kWhite : playerColour(t.player);
}

inline Rgb dieColour(Tint t) {
    return t.white ? colours::kWhite
                   : ui::kPlayerLooks[static_cast<std::size_t>(t.player)].diceColour;
}

} // namespace tezzle::board
