#pragma once

#include "ui/Colours.h"
#include "ui/DataFolder.h"
#include "ui/Layout.h"

#include <QSize>

class QAbstractButton;
class QWidget;

namespace tezzle::ui {
class TextBox;
}

// The look the title, set-up, one-player and high score windows share.
namespace tezzle::frontend {

inline constexpr QSize kSmallWindow{372, 438};
inline constexpr Rgb kDarkBlue{0, 0, 192};
inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kOrange{255, 128, 0};

inline constexpr ui::FontStyle kGameNameFont{ui::Face::Tahoma, 64, true};
inline constexpr ui::FontStyle kButtonFont{ui::Face::Arial, 21, true};
inline constexpr ui::FontStyle kSmallButtonFont{ui::Face::Arial, 17, true};
inline constexpr ui::FontStyle kCaptionFont{ui::Face::Arial, 16, true};

// The game's name across the top of the set-up and one-player windows.
inline constexpr ui::ControlDesign kGameName{.name = "gameNameLabel",
                                             .rect = {8, -8, 357, 81},
                                             .font = kGameNameFont,
                                             .text = colours::kRed,
                                             .caption =
                                                 QT_TRANSLATE_NOOP("SmallWindow", "TEZZLE!")};

// The logo beside the set-up and one-player windows' choices.
void addLogo(QWidget& window, const ui::DataFolder& data);

// A fixed window (372 x 438 unless told) on its background colour, centred at its own size, with a
// bare title bar.
void setUpSmallWindow(QWidget& window, const char* objectName, Rgb background,
                      QSize size = kSmallWindow);

// Shows a message whole in the room it may take: broken into lines between words, or inside a
// word too long for a line (a path), the box as tall as its lines and placed in the room as
// `where` says; a message too long for the room at the design size takes a smaller font.
void fitMessage(ui::TextBox& box, const QString& text, const QRect& room, ui::FontStyle design,
                Qt::Alignment where);

// A check box or an option in yellow on the window's dark blue, as wide as its text needs.
void styleChoice(QAbstractButton& choice, const char* objectName, QPoint at, ui::FontStyle font,
                 int height);

} // namespace tezzle::frontend
