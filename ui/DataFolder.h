#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <string_view>

namespace tezzle::ui {

// The run-time files beside the program: <exe dir>/data in the build tree, <prefix>/share/tezzle
// once installed. The game's own names ("Images/tezzle3.bmp") are paths inside it.
class DataFolder {
public:
    explicit DataFolder(QString root)
        : root_(std::move(root)) {}

    // Where the running program finds its files.
    static DataFolder besideProgram();

    const QString& root() const { return root_; }
    QString path(std::string_view name) const;

    // A picture by its game name, drawn crisp at the given device pixel ratio when a companion
    // at twice the size ("name@2x.bmp") is there. A missing picture gives a null pixmap, which
    // the windows draw as an empty place.
    QPixmap picture(std::string_view name, qreal devicePixelRatio = 1.0) const;

    // Gives picture() a picture read beforehand (at a scale of 1), so it is not read again.
    void keep(std::string_view name, QImage image) const;

    // A picture file as the windows read it: null when missing or unreadable. Needs no
    // application object.
    static QImage readImage(const QString& file);
    // The same for a BMP file as the build writes them, without Qt's reader and its plugins:
    // null for anything else. Safe on any thread at any time.
    static QImage readGameBmp(const QString& file);

private:
    QString root_;
};

} // namespace tezzle::ui
