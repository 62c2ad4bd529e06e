// Writes every picture and sound cue the game names into the data folder given, and the game's
// icons into an icon theme folder when one is given, timing itself.
//   make-assets <data folder> [<icon theme folder>]

#include "CueSounds.h"
#include "Icon.h"
#include "Pictures.h"
#include "Wav.h"

#include "core/Cues.h"
#include "ui/CueFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <iterator>

namespace {

bool ensureFolder(const QString& file) {
    return QDir().mkpath(QFileInfo(file).absolutePath());
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return ensureFolder(path) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}

// The PNGs and the SVG of the icon where a freedesktop.org icon theme keeps them.
bool writeIcons(const QDir& theme) {
    const QString name = QStringLiteral(TEZZLE_APP_ID);
    for (const int size : tezzle::art::kIconSizes) {
        const QString path =
            theme.filePath(QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(name));
        if (!ensureFolder(path) || !tezzle::art::iconImage(size).save(path, "PNG"))
            return false;
    }
    return writeFile(theme.filePath(QStringLiteral("hicolor/scalable/apps/%1.svg").arg(name)),
                     tezzle::art::iconSvg());
}

bool writePicture(const QString& path, const QImage& image) {
    if (!ensureFolder(path))
        return false;
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    // BMP has no alpha here: the game's pictures are opaque 24-bit files.
    return image.convertToFormat(QImage::Format_RGB32)
        .save(path, jpeg ? "JPG" : "BMP", jpeg ? 92 : -1);
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen: the build may run where there is none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make-assets <data folder> [<icon theme folder>]\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    // The numbers on the pictures are meant in the metric twin of the game's Arial.
    const QFontInfo font{QFont(QStringLiteral("Liberation Sans"))};
    if (font.family() != QStringLiteral("Liberation Sans"))
        std::fprintf(stderr,
                     "make-assets: warning: font Liberation Sans not found (Debian package "
                     "fonts-liberation2); drawing numbers in %s instead\n",
                     qPrintable(font.family()));
    const QDir data(QString::fromLocal8Bit(argv[1]));

    int written = 0;
    for (const tezzle::art::Picture& picture : tezzle::art::allPictures()) {
        const QString path = data.filePath(picture.path);
        if (!writePicture(path, picture.image)) {
            std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    for (int i = 0; i < tezzle::kCueCount; ++i) {
        const auto cue = static_cast<tezzle::Cue>(i);
        const std::string_view name = tezzle::ui::cueFile(cue);
        const QString path =
            data.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (!ensureFolder(path) ||
            !tezzle::sound::writeWav(path.toStdString(), tezzle::sound::synthesise(cue))) {
            std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    if (argc == 3) {
        const QDir theme(QString::fromLocal8Bit(argv[2]));
        if (!writeIcons(theme)) {
            std::fprintf(stderr, "make-assets: cannot write the icons into %s\n", argv[2]);
            return 1;
        }
        written += static_cast<int>(std::size(tezzle::art::kIconSizes)) + 1;
    }
    std::printf("make-assets: %d files in %s, %lld ms\n", written, qPrintable(data.absolutePath()),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
