#pragma once

#include "ui/Layout.h"

#include <array>

// The board window's fixed controls, in pixels of its 800 x 600 client area.
namespace tezzle::board {

using ui::ControlDesign;
using ui::Face;
using ui::Kind;
using ui::SizeToText;

inline constexpr ui::FontStyle kButtonFont{Face::Tahoma, 21, true};

inline constexpr Rgb kBlack = colours::kBlack;
inline constexpr Rgb kStartColour = colours::kLightBlue; // Blue's, until the turn changes

// The banner keeps one line sized to its text, centred on its design box, so its widest texts
// stand between Throw Dice and the logo.
inline constexpr QRect kBannerBox{312, 0, 212, 44};

inline constexpr std::array kFixedControls{
    ControlDesign{"throwDiceButton",
                  {80, 8, 137, 33},
                  kButtonFont,
                  kStartColour,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("BoardWindow", "Throw Dice")},
    ControlDesign{"bannerLabel",
                  kBannerBox,
                  {Face::Arial, 37, true},
                  kStartColour,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("BoardWindow", "Blue to Play"),
                  {},
                  Qt::AlignCenter,
                  false,
                  SizeToText::KeepCentre},
    ControlDesign{"logoLabel",
                  {629, 0, 163, 45},
                  {Face::Tahoma, 37, true},
                  colours::kRed,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("BoardWindow", "TEZZLE!"),
                  {},
                  Qt::AlignCenter,
                  false,
                  SizeToText::KeepLeft},
    ControlDesign{"cheatChartButton",
                  {96, 128, 105, 25},
                  {Face::Tahoma, 15, true},
                  kStartColour,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("BoardWindow", "Cheat Chart")},
    ControlDesign{"exitButton",
                  {4, 560, 113, 33},
                  kButtonFont,
                  kStartColour,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("BoardWindow", "Exit")},
    ControlDesign{"secondsRemainingLabel",
                  {184, 552, 96, 40},
                  {Face::Arial, 16, true},
                  kStartColour,
                  Kind::Text,
                  QT_TRANSLATE_NOOP("BoardWindow", "Seconds Remaining"),
                  {},
                  Qt::AlignCenter,
                  true},
    ControlDesign{
        "illegalMoveLabel",
        {176, 564, 448, 24},
        {Face::Arial, 16, true},
        colours::kWhite,
        Kind::Text,
        QT_TRANSLATE_NOOP("BoardWindow", "You made an illegal move. You have lost your turn.")},
    // Typed digits stand where the illegal-move line does, only while a number is typed.
    ControlDesign{"typedNumberLabel",
                  {176, 564, 448, 24},
                  {Face::Arial, 16, true},
                  colours::kWhite,
                  Kind::Text},
    ControlDesign{"newGameButton",
                  {656, 560, 137, 33},
                  kButtonFont,
                  kStartColour,
                  Kind::Button,
                  QT_TRANSLATE_NOOP("BoardWindow", "New Game")},
};

// The zone balls from the top, with the points written on them.
struct ZoneBall {
    const char* picture;
    const char* points;
    int pointsLeft;
};
inline constexpr std::array<ZoneBall, 7> kBalls{{{"Balls/reball.bmp", "500", 16},
                                                 {"Balls/maball.bmp", "300", 16},
                                                 {"Balls/grball.bmp", "200", 16},
                                                 {"Balls/blball.bmp", "100", 16},
                                                 {"Balls/yeball.bmp", "50", 22},
                                                 {"Balls/cyball.bmp", "20", 22},
                                                 {"Balls/coball.bmp", "10", 22}}};
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
