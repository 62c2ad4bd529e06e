#pragma once

#include "core/Tables.h"
#include "ui/Layout.h"

#include <QPoint>

#include <array>
#include <span>

// The five rules pages as data: their texts, pictures and lines, fed to the one page class.
namespace tezzle::help {

using ui::ControlDesign;
using ui::Face;
using ui::Kind;
using ui::SizeToText;

inline constexpr int kPageCount = 5;
inline constexpr Rgb kPageBackground = colours::kBlue;
inline constexpr Rgb kPageText = colours::kYellow;
inline constexpr ui::FontStyle kBodyFont{Face::Arial, 16, false};
inline constexpr ui::FontStyle kSubHeadingFont{Face::Arial, 16, true};

// The pages were drawn in twips, 15 to a pixel; a box that is not whole pixels fails to compile.
consteval QRect twips(int left, int top, int width, int height) {
    if (left % 15 != 0 || top % 15 != 0 || width % 15 != 0 || height % 15 != 0)
        throw "not a whole number of pixels";
    return {left / 15, top / 15, width / 15, height / 15};
}

// A paragraph wraps inside its box.
consteval ControlDesign body(const char* name, QRect box, const char* caption) {
    return {.name = name,
            .rect = box,
            .font = kBodyFont,
            .text = kPageText,
            .caption = caption,
            .align = Qt::AlignLeft | Qt::AlignTop,
            .wrap = true};
}

// A sub-heading or a row of the zone table stays on one line: its box was exactly as wide as its
// text, and any wider rendering would wrap and clip the last word.
consteval ControlDesign line(const char* name, QRect box, ui::FontStyle font, const char* caption) {
    return {.name = name,
            .rect = box,
            .font = font,
            .text = kPageText,
            .caption = caption,
            .align = Qt::AlignLeft | Qt::AlignTop,
            .size = SizeToText::KeepLeft};
}

consteval ControlDesign heading(const char* name, QRect box, const char* caption) {
    return line(name, box, kSubHeadingFont, caption);
}

// Every page's frame: its number, the title across the top and the buttons.
inline constexpr ControlDesign kPageNumber =
    line("pageNumberLabel", {0, 0, 0, 17}, {Face::Arial, 13, true}, "");
inline constexpr ControlDesign kTitle{.name = "titleLabel",
                                      .rect = {0, 8, 800, 24},
                                      .font = {Face::Arial, 21, true},
                                      .text = kPageText,
                                      .caption =
                                          QT_TRANSLATE_NOOP("RulesPage", "The Rules of Tezzle!")};

inline constexpr ui::FontStyle kNavigationFont{Face::Arial, 17, true};
inline constexpr ControlDesign kExitButton{.name = "exitButton",
                                           .rect = {744, 4, 49, 25},
                                           .font = kNavigationFont,
                                           .text = kPageText,
                                           .kind = Kind::Button,
                                           .caption = QT_TRANSLATE_NOOP("RulesPage", "Exit")};
inline constexpr ControlDesign kNextButton{.name = "nextPageButton",
                                           .rect = {672, 568, 121, 25},
                                           .font = kNavigationFont,
                                           .text = kPageText,
                                           .kind = Kind::Button,
                                           .caption =
                                               QT_TRANSLATE_NOOP("RulesPage", ">> Next Page")};
inline constexpr ControlDesign kPreviousButton{
    .name = "previousPageButton",
    .rect = {512, 568, 153, 25},
    .font = kNavigationFont,
    .text = kPageText,
    .kind = Kind::Button,
    .caption = QT_TRANSLATE_NOOP("RulesPage", "<< Previous Page")};

// Page 2's demonstration and its way to the Cheat Chart.
inline constexpr ControlDesign kThrowDiceButton{.name = "demoThrowDiceButton",
                                                .rect = {440, 136, 137, 33},
                                                .font = {Face::Tahoma, 21, true},
                                                .text = colours::kGreen,
                                                .kind = Kind::Button,
                                                .caption =
                                                    QT_TRANSLATE_NOOP("RulesPage", "Throw Dice")};
inline constexpr ControlDesign kCheatChartButton{.name = "cheatChartButton",
                                                 .rect = {352, 512, 105, 25},
                                                 .font = {Face::Tahoma, 15, true},
                                                 .text = colours::kGreen,
                                                 .kind = Kind::Button,
                                                 .caption =
                                                     QT_TRANSLATE_NOOP("RulesPage", "Cheat Chart")};
inline constexpr std::array<QPoint, 4> kDemoDicePlaces{
    {{472, 176}, {512, 176}, {472, 216}, {512, 216}}};
inline constexpr int kDemoDieSize = 33;
inline constexpr ui::FontStyle kDemoDieFont{Face::Arial, 27, true};

struct PictureDesign {
    const char* name; // objectName
    const char* file;
    QPoint at;
    const char* description; // its accessible name
};

struct PageDesign {
    int number;
    const char* pageCaption;
    std::span<const ControlDesign> texts;
    std::span<const PictureDesign> pictures;
    bool picturesAboveTexts;      // else the texts, and the path, are drawn over the pictures
    std::span<const QPoint> path; // white lines joining these points in turn
    bool diceDemo;                // the demonstration and the Cheat Chart button
    bool zoneTable = false;       // the board's zones, their numbers and rewards, after the texts
};

inline constexpr std::array kPage1Texts{
    heading("summaryHeading", twips(120, 600, 2430, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Summary of the rules")),
    body("diceSummary", twips(120, 960, 11535, 645),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Players take turns to throw four dice and combine their scores to generate a whole "
             "number between 1 and 100. For example: (6 + 4) x (3 + 1) = 40.")),
    body("coveringSummary", twips(120, 1560, 11415, 1005),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Having chosen a number, whose hexagon is not already covered by a counter, the "
             "player clicks the number on the Tezzle! playing board with the mouse. The number is "
             "then covered by a counter. The player scores points depending on which number they "
             "have chosen. The highest numbers score the most points.")),
    body("tezzleSummary", twips(120, 2520, 11655, 765),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Players can also score bonus points by making a Tezzle! move. This is "
                           "when a player clicks a number that will create a triangle of three "
                           "adjacent counters on the board.")),
    body("doubleTezzleSummary", twips(120, 3180, 11655, 645),
         QT_TRANSLATE_NOOP("RulesPage", "Double bonus points are scored by making a Tezzle! move "
                                        "on a prime number – this is a double Tezzle! move.")),
    body("endSummary", twips(120, 3600, 11175, 645),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "The game ends when there is a continuous path of counters from hexagon 1 to hexagon "
             "100. The winner is the player with the highest score at the end of the game.")),
    heading("gettingReadyHeading", twips(120, 4440, 2355, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Getting ready to play")),
    body("settingsText", twips(120, 4800, 11655, 645),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Before the game begins, the players can set the parameters of the game.")),
    body("clockText", twips(120, 5220, 8655, 1245),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Tezzle! can be played against the clock. To play against the clock "
                           "check the 'Timers On' checkbox. The default settings allow each player "
                           "a total of 600 seconds to complete all their moves. By altering the "
                           "value in the 'Set Total Time Allowed' box, this can be changed.")),
    body("playersText", twips(120, 6480, 8655, 1485),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Tezzle! can be played by one to four players. To begin the game click the button "
             "corresponding to the number of players. Players then take their turn in the "
             "following order: Blue, Red, Green, Yellow. Before proceeding with the game each "
             "player should choose their colour. If a series of games are played, players should "
             "change colours before each game.")),
    body("onePlayerText", twips(120, 7980, 8655, 1005),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "If there is just one player, select button '1'. The player then has the option to "
             "play on their own, or to play against the computer. The computer always plays as the "
             "second player - Red. The player can choose the level of play for the computer. ")),
};
inline constexpr std::array kPage1Pictures{
    PictureDesign{.name = "startPicture",
                  .file = "images/start.jpg",
                  .at = {596, 304},
                  .description = QT_TRANSLATE_NOOP("RulesPage",
                                                   "Counters on the board at the start of a game")},
};

// The note's example fills its second line: its box is 11 pixels wider than drawn, or "46."
// would need a third line the box does not have.
inline constexpr std::array kPage2Texts{
    heading("generatingHeading", twips(120, 600, 2400, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Generating a number")),
    body("throwDiceText", twips(120, 960, 11655, 885),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "The player clicks the button labelled 'Throw Dice'. Four numbers are then randomly "
             "generated, corresponding to a dice throw. The player must generate a whole number "
             "between 1 and 100 using all four numbers once. The player may multiply, divide, add "
             "or subtract the numbers in any combination.")),
    body("tryDiceText", twips(120, 2040, 11655, 525),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Click the button on the right to try out throwing the dice.")),
    body("numeralsNote", twips(120, 4200, 10380, 645),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Note: A player may not create a number by placing two numerals beside "
                           "each other.                     For example, having thrown 6, 4, 3, "
                           "and 1, a player may not put 6 and 4 together to make 64 or 46.")),
    body("pencilText", twips(120, 4800, 11655, 405),
         QT_TRANSLATE_NOOP("RulesPage", "Players may use a pencil and paper to help with their "
                                        "arithmetic, but should not use a calculator.")),
    heading("examplesHeading", twips(120, 5280, 11655, 645),
            QT_TRANSLATE_NOOP("RulesPage",
                              "Some examples of numbers that can be generated from one throw:")),
    body("examplesText", twips(120, 5640, 11175, 645),
         QT_TRANSLATE_NOOP("RulesPage", "6 + 4 + 3 + 1 = 14;   6 x 4 x 3 x 1 = 72;   (6 x 4) x (3 "
                                        "+ 1) = 96;   (6/3) x (4 – 1) = 6.")),
    heading("cheatChartHeading", twips(120, 6240, 11655, 645),
            QT_TRANSLATE_NOOP("RulesPage", "Cheat Chart")),
    body("cheatChartText", twips(120, 6600, 11295, 885),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Help with arithmetic can be obtained by clicking the button shown below which will "
             "open the Cheat Chart window. The Cheat Chart is a multiplication table. The number "
             "shown in each square is produced by multiplying the number at the start of its row "
             "by the number at the top of its column.")),
};

// Lines are drawn 19 pixels apart. The first paragraph takes three lines, so its box is 56 high
// and the next one starts right under it. The table of zones stands left of the picture: the rows
// 24 pixels further left than drawn, the heading 8, each column starting under its heading, and the
// picture 14 pixels further right, so that no reward is written over it.
inline constexpr std::array kPage3Texts{
    heading("selectingHeading", twips(120, 720, 3945, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Selecting the number on the board")),
    body("selectingText", twips(120, 1080, 11655, 840),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Having generated a number, whose hexagon is not already covered by a counter, the "
             "player clicks the corresponding number on the board. If the number has been "
             "calculated correctly it will be covered with a counter. ")),
    body(
        "mistakeText", twips(120, 1920, 11655, 645),
        QT_TRANSLATE_NOOP(
            "RulesPage",
            "If the player has made a mistake and selected a number that cannot be generated from "
            "the dice throw, the player scores no points and the turn passes to the next player.")),
    heading("pointsHeading", twips(120, 2520, 1665, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Gaining points")),
    body("pointsText", twips(120, 2880, 11655, 1605),
         QT_TRANSLATE_NOOP("RulesPage",
                           "If the number has been calculated correctly, the player scores reward "
                           "points based on the colour zone of the number that has been selected. "
                           "The amount of points for each colour zone is shown on the coloured "
                           "balls to the left of the playing board, and in the table below.")),
    heading("zoneTableHeading", twips(120, 4080, 6255, 405),
            QT_TRANSLATE_NOOP("RulesPage",
                              "Number generated               Colour Zone               Reward")),
};
// Page 3's table of zones, a row per zone of the board from the lowest numbers up, each one line
// of the body font: the range, its colour and its reward, each column reached with spaces as the
// table was typed. The colours start together; the rewards stand where each row put them.
struct ZoneRowWords {
    const char* colour;
    int rewardColumn; // pixels from the row's left
};
inline constexpr std::array<ZoneRowWords, kZones.size()> kZoneRows{{
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Orange"), .rewardColumn = 333},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Turquoise"), .rewardColumn = 336},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Yellow"), .rewardColumn = 337},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Blue"), .rewardColumn = 334},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Green"), .rewardColumn = 333},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Purple"), .rewardColumn = 332},
    {.colour = QT_TRANSLATE_NOOP("RulesPage", "Red"), .rewardColumn = 332},
}};
inline constexpr ControlDesign kZoneRow =
    line("zoneTableRow", twips(480, 4440, 6255, 405), kBodyFont, "");
inline constexpr int kZoneRowStep = 16;
inline constexpr int kColourColumn = 176;
// The range's first number takes two digits' room, "1  to 15" over "16 to 28".
inline constexpr const char* kZoneRange = QT_TRANSLATE_NOOP("RulesPage", "%1 to %2");

inline constexpr std::array kPage3Pictures{
    PictureDesign{.name = "boardPicture",
                  .file = "images/board.jpg",
                  .at = {398, 296},
                  .description =
                      QT_TRANSLATE_NOOP("RulesPage", "The playing board with its colour zones")},
};

// The paragraph on primes takes three lines: its box is 56 high and the next one starts right
// under it.
inline constexpr std::array kPage4Texts{
    heading("tezzleBonusHeading", twips(120, 600, 2175, 285),
            QT_TRANSLATE_NOOP("RulesPage", "The Tezzle! bonus")),
    body("tezzleMoveText", twips(120, 960, 8535, 885),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "As soon as any two counters have been placed next to each other on the board, there "
             "is an opportunity for a player to make a Tezzle! move. This is done by clicking a "
             "number on the board that completes a triangle of counters.")),
    body("tezzleBonusText", twips(120, 1920, 8535, 645),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "The player that completes any triangle with a Tezzle! move gains a bonus of 100. "
             "This is in addition to the amount rewarded for that colour zone.")),
    body("tezzleBonusExample", twips(120, 2640, 8535, 885),
         QT_TRANSLATE_NOOP("RulesPage",
                           "For example, if Blue generates the number 33, completing a triangle of "
                           "counters with 25 and 32, then Blue gains a yellow-zone reward of 50, "
                           "plus a Tezzle! bonus of 100, making a total of 150.")),
    body("oneTezzleBonusText", twips(120, 3600, 8535, 885),
         QT_TRANSLATE_NOOP("RulesPage", "A player will only receive one Tezzle! bonus in any turn, "
                                        "even if more than one triangle of counters is formed.")),
    heading("doubleTezzleHeading", twips(120, 4560, 3030, 285),
            QT_TRANSLATE_NOOP("RulesPage", "The double Tezzle! bonus")),
    body("primesText", twips(120, 4920, 8295, 840),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "The prime numbers on the board are shown in black, their hexagons have grey borders. "
             "(A prime number is a number that has no factors other than itself and 1.)")),
    body("doubleTezzleBonusText", twips(120, 5760, 8055, 1005),
         QT_TRANSLATE_NOOP("RulesPage",
                           "If a player clicks a prime number to complete a triangle of counters, "
                           "the player scores a double Tezzle! bonus of 200. This is in addition "
                           "to the amount rewarded for that colour zone.")),
    body("doubleTezzleExample", twips(120, 6600, 8055, 885),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "For example, if Blue generates the prime number 17, completing a triangle of "
             "counters with 12 and 18, then Blue scores a turquoise-zone reward of 20, plus a "
             "double Tezzle! bonus of 200, making a total of 220.")),
    body("oneDoubleTezzleBonusText", twips(120, 7680, 8055, 765),
         QT_TRANSLATE_NOOP("RulesPage",
                           "A player will only receive one double Tezzle! bonus in any turn, even "
                           "if more than one triangle of counters is formed.")),
};
inline constexpr std::array kPage4Pictures{
    PictureDesign{.name = "tezzlePicture",
                  .file = "images/tezzle.jpg",
                  .at = {616, 64},
                  .description = QT_TRANSLATE_NOOP(
                      "RulesPage", "A Tezzle! move completing a triangle of counters")},
    PictureDesign{.name = "doubleTezzlePicture",
                  .file = "images/doubletezzle.jpg",
                  .at = {564, 336},
                  .description =
                      QT_TRANSLATE_NOOP("RulesPage", "A double Tezzle! move on a prime number")},
};

// The texts beside the picture wrap short of it, at 384 pixels, the paragraph under "The End" in
// five lines and those under "Playing tips" in four each: the texts from "Playing tips" on stand
// lower, each right under the one above, and the legal notice at the foot of the page, 19 pixels a
// line, beside the button.
inline constexpr std::array kPage5Texts{
    heading("furtherMovesHeading", twips(120, 540, 1665, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Further moves")),
    body("turnsText", twips(120, 870, 11655, 405),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Play continues with each player taking their turn in sequence.")),
    body("coverOnceText", twips(120, 1200, 11175, 645),
         QT_TRANSLATE_NOOP("RulesPage",
                           "The numbers on the Tezzle! board can be covered in any order. Each "
                           "number can, however, only be covered once during a game.")),
    heading("timerHeading", twips(120, 1890, 2220, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Playing with a timer")),
    body("timerText", twips(120, 2220, 11775, 1245),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "If the 'Timer On' option is selected before starting the game, each player will have "
             "a timer that counts down whenever it is their turn to play. By default the total "
             "time allowed is 600 seconds, but this can be changed before starting each game. Any "
             "player who runs out of time loses. If all the players except one run out of time, "
             "the last surviving player wins.")),
    heading("endHeading", twips(120, 3480, 960, 285), QT_TRANSLATE_NOOP("RulesPage", "The End")),
    body("endText", twips(120, 3810, 5760, 1425),
         QT_TRANSLATE_NOOP("RulesPage",
                           "The game is over when there is a continuous path of counters "
                           "connecting hexagon 1 to hexagon 100. The player who plays the final "
                           "counter to complete this path gains a bonus score of 500. The player "
                           "with the highest score at the end of the game is the winner.")),
    heading("tipsHeading", twips(120, 5310, 1335, 285),
            QT_TRANSLATE_NOOP("RulesPage", "Playing tips")),
    body("lowThrowTip", twips(120, 5640, 5760, 1140),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Throwing low numbers on the dice does not necessarily mean that your reward will be "
             "small. Look for Tezzle! and double Tezzle! opportunities to raise your reward.")),
    body("centreTip", twips(120, 6810, 5760, 1140),
         QT_TRANSLATE_NOOP("RulesPage",
                           "Creating a number in the centre of the board may, for example, yield a "
                           "100 reward (in the blue zone) but you may be able to Tezzle! or double "
                           "Tezzle! on a smaller number to gain a higher reward.")),
    body("licenceNotice", twips(120, 8070, 11655, 285),
         QT_TRANSLATE_NOOP(
             "RulesPage",
             "Tezzle! — free software under the GNU General Public License, version 3 or later.")),
    body("copyrightNotice", twips(120, 8355, 7440, 285),
         QT_TRANSLATE_NOOP("RulesPage", "Copyright © 2026 the Tezzle! developers. No warranty.")),
    body("ownMakeNotice", twips(120, 8640, 7440, 285),
         QT_TRANSLATE_NOOP("RulesPage", "Every picture and sound is made by the program itself.")),
};
inline constexpr std::array kPage5Pictures{
    PictureDesign{.name = "endPicture",
                  .file = "images/end.jpg",
                  .at = {396, 240},
                  .description = QT_TRANSLATE_NOOP(
                      "RulesPage", "A finished game with a path of counters from 1 to 100")},
};
inline constexpr std::array<QPoint, 8> kPage5Path{{{410, 470},
                                                   {478, 352},
                                                   {533, 352},
                                                   {574, 280},
                                                   {654, 280},
                                                   {670, 304},
                                                   {750, 304},
                                                   {778, 256}}};

inline constexpr std::array<PageDesign, kPageCount> kPages{{
    {.number = 1,
     .pageCaption = QT_TRANSLATE_NOOP("RulesPage", "Page 1 of 5"),
     .texts = kPage1Texts,
     .pictures = kPage1Pictures,
     .picturesAboveTexts = true,
     .path = {},
     .diceDemo = false},
    {.number = 2,
     .pageCaption = QT_TRANSLATE_NOOP("RulesPage", "Page 2 of 5"),
     .texts = kPage2Texts,
     .pictures = {},
     .picturesAboveTexts = false,
     .path = {},
     .diceDemo = true},
    {.number = 3,
     .pageCaption = QT_TRANSLATE_NOOP("RulesPage", "Page 3 of 5"),
     .texts = kPage3Texts,
     .pictures = kPage3Pictures,
     .picturesAboveTexts = false,
     .path = {},
     .diceDemo = false,
     .zoneTable = true},
    {.number = 4,
     .pageCaption = QT_TRANSLATE_NOOP("RulesPage", "Page 4 of 5"),
     .texts = kPage4Texts,
     .pictures = kPage4Pictures,
     .picturesAboveTexts = false,
     .path = {},
     .diceDemo = false},
    {.number = 5,
     .pageCaption = QT_TRANSLATE_NOOP("RulesPage", "Page 5 of 5"),
     .texts = kPage5Texts,
     .pictures = kPage5Pictures,
     .picturesAboveTexts = false,
     .path = kPage5Path,
     .diceDemo = false},
}};

} // namespace tezzle::help
