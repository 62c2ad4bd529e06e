// The yardstick of bench/startup: a bare Qt window, which reports its first paint the way the
// game does. With a size and a picture (bare-window 800x600 picture.bmp) it shows that picture
// in a window of that size, as the game's windows show theirs; without, one label.

#include "frontend/FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tezzle::frontend::FirstPaint::then(app, nullptr);
    QLabel label(QStringLiteral("Tezzle!"));
    label.setObjectName(QStringLiteral("bareWindow"));
    const QStringList args = QApplication::arguments();
    if (args.size() == 3) {
        const QStringList size = args[1].split(QLatin1Char('x'));
        label.setPixmap(QPixmap(args[2]));
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (size.size() == 2)
            label.setFixedSize(size[0].toInt(), size[1].toInt());
    }
    label.show();
    return app.exec();
}
