#include "Centre.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tezzle::ui {

namespace {

// The frame the window manager draws around a window: known once a window is on the screen, and
// the same for every window of the program, so a window not shown yet borrows one's that is.
QMargins frameOf(const QWidget& window) {
    auto margins = [](const QWidget& w) {
        const QRect inside = w.geometry();
        const QRect frame = w.frameGeometry();
        return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                        frame.right() - inside.right(), frame.bottom() - inside.bottom());
    };
    if (window.isVisible())
        return margins(window);
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && !margins(*other).isNull())
            return margins(*other);
    return {};
}

} // namespace

QPoint centredIn(const QRect& free, QSize whole) {
    return {std::max(free.left(), free.left() + (free.width() - whole.width()) / 2),
            std::max(free.top(), free.top() + (free.height() - whole.height()) / 2)};
}

void centreAt(QWidget& window, QSize size) {
    window.setFixedSize(size);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // A top-level window's move() places its frame, title bar included.
    window.move(centredIn(screen->availableGeometry(), size.grownBy(frameOf(window))));
}

void centreform(QWidget& window) {
    // The hourglass while the window is being placed.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    centreAt(window, kLargeWindow);
    QGuiApplication::restoreOverrideCursor();
}

void bringToFront(QWidget& window) {
    if (!window.isVisible()) {
        window.show(); // a new window comes up in front
        return;
    }
    window.raise();
    window.activateWindow();
}

void bareTitleBar(QWidget& window) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    // The design's caption is one blank; a taskbar still needs the game's name.
    window.setWindowTitle(QCoreApplication::translate("Centre", "Tezzle!"));
}

} // namespace tezzle::ui
