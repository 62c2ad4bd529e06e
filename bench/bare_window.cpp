// The yardstick of bench/startup: a bare Qt window with one label, which reports its first
// paint the way the game does.

#include "frontend/FirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tezzle::frontend::FirstPaint::then(app, nullptr);
    QLabel label(QStringLiteral("Tezzle!"));
    label.setObjectName(QStringLiteral("bareWindow"));
    label.show();
    return app.exec();
}
