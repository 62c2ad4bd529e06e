// The yardstick of bench/startup and bench/play-under-load: a bare Qt window, which reports its
// first paint the way the game does. With a size and a picture (bare-window 800x600 picture.bmp)
// it shows that picture in a window of that size, as the game's windows show theirs; without, one
// label. A fourth argument is a line of text written over the picture: what any window with words
// in it loads (fontconfig, FreeType, HarfBuzz, Qt's font database), which a picture never touches.

#include "frontend/FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tezzle::frontend::FirstPaint::then(app, nullptr);
    QLabel label(QStringLiteral("Tezzle!"));
    label.setObjectName(QStringLiteral("bareWindow"));
    const QStringList args = QApplication::arguments();
    std::unique_ptr<QLabel> line;
    if (args.size() >= 3) {
        const QStringList size = args[1].split(QLatin1Char('x'));
        label.setPixmap(QPixmap(args[2]));
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (size.size() == 2)
            label.setFixedSize(size[0].toInt(), size[1].toInt());
        if (args.size() == 4) {
            line = std::make_unique<QLabel>(args[3], &label);
            line->move(8, 8);
        }
    }
    label.show();
    return app.exec();
}
