#pragma once

#include <QSize>

class QWidget;

namespace tezzle::ui {

// The large windows' size: 800 x 600 pixels of client area.
inline constexpr QSize kLargeWindow{800, 600};

// Gives a large window its fixed size and centres it on the primary screen's free area, even
// when that puts its edges off the screen.
void centreform(QWidget& window);

// Centres a window at its own fixed size.
void centreAt(QWidget& window, QSize size);

// Shows a window; one already open is brought to the front instead.
void bringToFront(QWidget& window);

// A title bar without text and without the minimise, maximise and close buttons: the player
// leaves by the window's own buttons.
void bareTitleBar(QWidget& window);

} // namespace tezzle::ui
