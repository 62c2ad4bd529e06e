#pragma once

#include "ui/Layout.h"

#include <array>

// The board window's fixed controls, in pixels of its 800 x 600 client area.
namespace tezzle::board {

using ui::Face;
using ui::Kind;
using ui::SizeToText;

inline constexpr ui::FontStyle kButtonFont{Face::Tahoma, 21, true};

inline constexpr Rgb kBlack = colours::kBlack;
inline constexpr Rgb kStartColour = colours::kLightBlue; // Blue's, until the turn changes

// The banner keeps one line sized to its text, centred on its design box, so its widest texts
// stand between Throw Dice and the logo.
inline constexpr QRect kBannerBox{312, 0, 212, 44};

// The fixed controls the window sets and listens to after building them.
struct BoardControls {
    ui::Button* throwDice = nullptr;
    ui::TextBox* banner = nullptr;
    ui::TextBox* logo = nullptr;
    ui::Button* cheatChart = nullptr;
    ui::Button* exit = nullptr;
    ui::TextBox* secondsRemaining = nullptr;
    ui::TextBox* illegalMove = nullptr;
    ui::TextBox* typedNumber = nullptr;
    ui::Button* newGame = nullptr;
};
using BoardRow = ui::ControlRow<BoardControls>;

inline constexpr std::array kFixedControls{
    BoardRow{.name = "throwDiceButton",
             .rect = {80, 8, 137, 33},
             .font = kButtonFont,
             .text = kStartColour,
             .kind = Kind::Button,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "Throw Dice"),
             .button = &BoardControls::throwDice},
    BoardRow{.name = "bannerLabel",
             .rect = kBannerBox,
             .font = {Face::Arial, 37, true},
             .text = kStartColour,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "Blue to Play"),
             .size = SizeToText::KeepCentre,
             .box = &BoardControls::banner},
    BoardRow{.name = "logoLabel",
             .rect = {629, 0, 163, 45},
             .font = {Face::Tahoma, 37, true},
             .text = colours::kRed,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "TEZZLE!"),
             .size = SizeToText::KeepLeft,
             .box = &BoardControls::logo},
    BoardRow{.name = "cheatChartButton",
             .rect = {96, 128, 105, 25},
             .font = {Face::Tahoma, 15, true},
             .text = kStartColour,
             .kind = Kind::Button,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "Cheat Chart"),
             .button = &BoardControls::cheatChart},
    BoardRow{.name = "exitButton",
             .rect = {4, 560, 113, 33},
             .font = kButtonFont,
             .text = kStartColour,
             .kind = Kind::Button,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "Exit"),
             .button = &BoardControls::exit},
    BoardRow{.name = "secondsRemainingLabel",
             .rect = {184, 552, 96, 40},
             .font = {Face::Arial, 16, true},
             .text = kStartColour,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "Seconds Remaining"),
             .wrap = true,
             .box = &BoardControls::secondsRemaining},
    BoardRow{.name = "illegalMoveLabel",
             .rect = {176, 564, 448, 24},
             .font = {Face::Arial, 16, true},
             .text = colours::kWhite,
             .caption = QT_TRANSLATE_NOOP("BoardWindow",
                                          "You made an illegal move. You have lost your turn."),
             .box = &BoardControls::illegalMove},
    // Typed digits stand where the illegal-move line does, only while a number is typed.
    BoardRow{.name = "typedNumberLabel",
             .rect = {176, 564, 448, 24},
             .font = {Face::Arial, 16, true},
             .text = colours::kWhite,
             .box = &BoardControls::typedNumber},
    BoardRow{.name = "newGameButton",
             .rect = {656, 560, 137, 33},
             .font = kButtonFont,
             .text = kStartColour,
             .kind = Kind::Button,
             .caption = QT_TRANSLATE_NOOP("BoardWindow", "New Game"),
             .button = &BoardControls::newGame},
};

// The zone balls from the top, with the points written on them.
struct ZoneBall {
    const char* picture;
    const char* points;
    int pointsLeft;
};
inline constexpr std::array<ZoneBall, 7> kBalls{{
    {.picture = "Balls/reball.bmp", .points = "500", .pointsLeft = 16},
    {.picture = "Balls/maball.bmp", .points = "300", .pointsLeft = 16},
    {.picture = "Balls/grball.bmp", .points = "200", .pointsLeft = 16},
    {.picture = "Balls/blball.bmp", .points = "100", .pointsLeft = 16},
    {.picture = "Balls/yeball.bmp", .points = "50", .pointsLeft = 22},
    {.picture = "Balls/cyball.bmp", .points = "20", .pointsLeft = 22},
    {.picture = "Balls/coball.bmp", .points = "10", .pointsLeft = 22},
}};
inline constexpr int kBallLeft = 6;
inline constexpr int kBallTop = 8;
inline constexpr int kBallSize = 56;
inline constexpr int kPointsTop = 24;
inline constexpr ui::FontStyle kPointsFont{Face::Arial, 21, true};

inline constexpr std::array<QPoint, 4> kDicePlaces{{{112, 48}, {152, 48}, {112, 88}, {152, 88}}};
inline constexpr int kDieSize = 33;
inline constexpr ui::FontStyle kDieFont{Face::Arial, 27, true};

// The right column: a name and a score box per player; the bottom strip: a clock per player.
inline constexpr QRect kNameBox{624, 376, 72, 24};
inline constexpr QRect kScoreBox{704, 372, 89, 33};
inline constexpr int kPanelStep = 40;
inline constexpr QRect kClockBox{288, 560, 65, 25};
inline constexpr int kClockStep = 72;
inline constexpr ui::FontStyle kNameFont{Face::Arial, 21, true};
// The computer's name takes two lines beside Red's score box, clear of the hexagons on its left
// and in the place of Green's panel, which a game against the computer does not show.
inline constexpr QRect kComputerNameBox{606, 408, 90, 40};
inline constexpr ui::FontStyle kComputerNameFont{Face::Arial, 16, true};
inline constexpr ui::FontStyle kScoreFont{Face::Arial, 27, true};
inline constexpr ui::FontStyle kClockFont{Face::Arial, 19, true};

// Score boxes and clocks are Blue's blue, not the light blue of Blue's texts.
inline constexpr std::array<Rgb, 4> kPanelColours{colours::kBlue, colours::kRed, colours::kGreen,
                                                  colours::kYellow};

inline constexpr int kCellSize = 32;
inline constexpr ui::FontStyle kNumberFont{Face::Arial, 21, true};

} // namespace tezzle::board
