#pragma once

#include "core/GameState.h"

#include <QRect>
#include <QString>

#include <string>
#include <utility>

namespace tezzle::ui {
class TextBox;
} // namespace tezzle::ui

class QWidget;

namespace tezzle::board {

// The working has a strip of its own below the board's 800 x 600, so it covers nothing the
// game shows; a board without it keeps its size.
inline constexpr int kWorkingStripHeight = 52;
inline constexpr QRect kWorkingLineBox{4, 601, 792, 48};

// An expression in the board's notation: a times sign, a division sign and a true minus.
QString notation(const std::string& expression);

// What the strip says of the last number chosen: how the dice make it, or why they do not and
// what they could have made instead; empty before a choice.
QString workingText(const GameState& s);

// The strip's text box, worked out again only when a new choice is made.
class WorkingLine {
public:
    explicit WorkingLine(QWidget* board);
    void render(const GameState& s);

private:
    ui::TextBox* box_;
    std::pair<std::int16_t, std::int16_t> shownFor_{}; // move counter and number chosen
};

} // namespace tezzle::board
