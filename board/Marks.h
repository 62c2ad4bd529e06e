#pragma once

// What the board shows differently when the player chose colour marks: the players' marks beside
// their names, and texts that read on every colour they stand on.

#include "ui/Colours.h"

#include <QPoint>
#include <QString>

namespace tezzle::ui {
class TextBox;
}

namespace tezzle::board {

// A player's mark stands between the name and the score box; the name moves left for it.
inline constexpr QPoint kMarkPlace{678, 377};
inline constexpr int kMarkSize = 22;
inline constexpr int kMarkRoom = 24;
// The computer's two-line name has no room to move left of: its mark stands under its score box.
inline constexpr QPoint kComputerMarkPlace{737, 449};

// The message lines are written straight on the board's blue, where white reads poorly.
inline constexpr Rgb kMarkedLineColour = colours::kBlack;

// The digits that read on a die of the given colour: black or white, and for a greyed die a
// fainter shade of the same that still reads.
struct DieDigits {
    Rgb settled;
    Rgb greyed;
};
DieDigits dieDigits(Rgb die);

// A die's digits as dieDigits says; a greyed die's also thinner, so it looks greyed even where
// its shade cannot be much fainter.
void showMarkedDie(ui::TextBox& die, Rgb colour, bool enabled);

// What a screen reader says of a player's mark (0 to 3).
QString markDescription(int player);

} // namespace tezzle::board
