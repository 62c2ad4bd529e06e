#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include <algorithm>
#include <cstring>

namespace tezzle::ui {

namespace {

quint32 little(const uchar* at, int bytes) {
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

// The game's own BMP files, uncompressed 24 or 32 bits a pixel as the build writes them, read
// in a few large pieces: Qt's reader first looks through every image plugin's details on disk
// and then reads line by line, the larger part of a board's start. The pieces stay small enough
// that the allocator never hands out memory it keeps afterwards. Anything else is none, and
// Qt's reader has it.
QImage readOwnBmp(QFile& file) {
    constexpr qint64 kHeaders = 14 + 40;
    uchar header[kHeaders];
    if (file.size() > (qint64(1) << 28) ||
        file.read(reinterpret_cast<char*>(header), kHeaders) != kHeaders)
        return {};
    const quint32 offset = little(header + 10, 4);
    const auto width = static_cast<qint32>(little(header + 18, 4));
    const auto rows = static_cast<qint32>(little(header + 22, 4));
    const quint32 depth = little(header + 28, 2);
    if (std::memcmp(header, "BM", 2) != 0 || little(header + 14, 4) < 40 ||
        little(header + 26, 2) != 1 || (depth != 24 && depth != 32) ||
        little(header + 30, 4) != 0 || width <= 0 || width > 16384 || rows == 0 || rows < -16384 ||
        rows > 16384)
        return {};
    const int height = rows < 0 ? -rows : rows;
    const qint64 stride = (qint64(width) * depth + 31) / 32 * 4;
    if (offset < kHeaders || offset + stride * height > file.size() || !file.seek(offset))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const int step = static_cast<int>(depth / 8);
    const int perPiece = static_cast<int>(std::max<qint64>(1, (64 * 1024) / stride));
    QByteArray piece(stride * perPiece, Qt::Uninitialized);
    for (int first = 0; first < height; first += perPiece) {
        const int count = std::min(perPiece, height - first);
        if (file.read(piece.data(), stride * count) != stride * count)
            return {};
        for (int i = 0; i < count; ++i) {
            // The file's rows run from the bottom up unless its height is negative.
            const int y = rows < 0 ? first + i : height - 1 - (first + i);
            const auto* in = reinterpret_cast<const uchar*>(piece.constData()) + stride * i;
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x, in += step)
                out[x] = qRgb(in[2], in[1], in[0]);
        }
    }
    return image;
}

} // namespace

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
    pixmap = QPixmap::fromImage(readImage(file));
    if (pixmap.isNull())
        return {};
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(file, pixmap);
    return pixmap;
}

void DataFolder::keep(std::string_view name, QImage image) const {
    const QPixmap pixmap = QPixmap::fromImage(std::move(image));
    if (!pixmap.isNull())
        QPixmapCache::insert(path(name), pixmap);
}

QImage DataFolder::readGameBmp(const QString& file) {
    QFile bmp(file);
    if (!file.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
        !bmp.open(QIODevice::ReadOnly))
        return {};
    return readOwnBmp(bmp);
}

QImage DataFolder::readImage(const QString& file) {
    if (QImage image = readGameBmp(file); !image.isNull())
        return image;
    const QString suffix = QFileInfo(file).suffix();
    // Read by the extension alone: asking every image plugin whether it can read a BMP would
    // load them all, and their libraries, before the first window is up.
    QImageReader reader(file, suffix.toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace tezzle::ui
