#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tezzle::ui {

// The large windows' size: 800 x 600 pixels of client area.
inline constexpr QSize kLargeWindow{800, 600};

// Gives a large window its fixed size and centres it, frame and all, on the primary screen's
// free area (the screen less its panels). A window larger than that area keeps its title bar
// and left edge on the screen and overhangs the right and the bottom.
void centreform(QWidget& window);

// Centres a window at its own fixed size, the same way.
void centreAt(QWidget& window, QSize size);

// Where a window's frame of `whole` size goes in the free area: centred, never above or left of it.
QPoint centredIn(const QRect& free, QSize whole);

// Shows a window; one already open is brought to the front instead.
void bringToFront(QWidget& window);

// A title bar that reads only "Tezzle!", without the minimise, maximise and close buttons: the
// player leaves by the window's own buttons.
void bareTitleBar(QWidget& window);

} // namespace tezzle::ui
