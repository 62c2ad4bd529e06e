// Writes every picture and sound cue the game names into the data folder given, timing itself.
//   make-assets <data folder>

#include "CueSounds.h"
#include "Pictures.h"
#include "Wav.h"

#include "core/Cues.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool ensureFolder(const QString& file) {
    return QDir().mkpath(QFileInfo(file).absolutePath());
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-assets <data folder>\n");
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
        const std::string_view name = tezzle::cueFile(cue);
        const QString path =
            data.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (!ensureFolder(path) ||
            !tezzle::sound::writeWav(path.toStdString(), tezzle::sound::synthesise(cue))) {
            std::fprintf(stderr, "make-assets: cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("make-assets: %d files in %s, %lld ms\n", written, qPrintable(data.absolutePath()),
                static_cast<long long>(clock.elapsed()));
    return 0;
}
