#include "Centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tezzle::ui {

void centreAt(QWidget& window, QSize size) {
    window.setFixedSize(size);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect free = screen->availableGeometry();
    window.setGeometry(free.left() + (free.width() - size.width()) / 2,
                       free.top() + (free.height() - size.height()) / 2, size.width(),
                       size.height());
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
    window.setWindowTitle(QStringLiteral(" "));
}

} // namespace tezzle::ui
