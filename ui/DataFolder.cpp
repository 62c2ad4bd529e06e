#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

namespace tezzle::ui {

DataFolder DataFolder::besideProgram() {
    // The kernel's link to the running program: known before the application object exists.
    const QDir program(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    if (QFileInfo::exists(program.filePath(QStringLiteral("data/connarray.dat"))))
        return DataFolder(program.filePath(QStringLiteral("data")));
    return DataFolder(QDir::cleanPath(program.filePath(QStringLiteral("../share/tezzle"))));
}

QString DataFolder::path(std::string_view name) const {
    return root_ + QLatin1Char('/') +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QPixmap DataFolder::picture(std::string_view name, qreal devicePixelRatio) const {
    QString file = path(name);
    qreal ratio = 1.0;
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        const QString twice = file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
        if (QFileInfo::exists(twice)) {
            file = twice;
            ratio = 2.0;
        }
    }
    QPixmap pixmap;
    if (QPixmapCache::find(file, &pixmap))
        return pixmap;
    // Read by the extension alone: asking every image plugin whether it can read a BMP would
    // load them all, and their libraries, before the first window is up.
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImageReader(&reader);
    if (pixmap.isNull())
        return {};
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(file, pixmap);
    return pixmap;
}

} // namespace tezzle::ui
