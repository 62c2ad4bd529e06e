// A picture as a player without one kind of cone sees it, to look at the game's screenshots.
//   tezzle-colour-vision protanopia|deuteranopia|tritanopia <in.png> <out.png>

#include "ColourVision.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    using tezzle::vision::Deficiency;
    const char* names[] = {"protanopia", "deuteranopia", "tritanopia"};
    int kind = 0;
    while (argc == 4 && kind < 3 && std::strcmp(argv[1], names[kind]) != 0)
        ++kind;
    if (argc != 4 || kind == 3) {
        std::fprintf(stderr,
                     "usage: tezzle-colour-vision protanopia|deuteranopia|tritanopia <in> <out>\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[2]));
    if (image.isNull()) {
        std::fprintf(stderr, "tezzle-colour-vision: cannot read %s\n", argv[2]);
        return 1;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const auto seen = tezzle::vision::simulate({static_cast<std::uint8_t>(qRed(c)),
                                                        static_cast<std::uint8_t>(qGreen(c)),
                                                        static_cast<std::uint8_t>(qBlue(c))},
                                                       static_cast<Deficiency>(kind + 1));
            image.setPixel(x, y, qRgb(seen[0], seen[1], seen[2]));
        }
    if (!image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "tezzle-colour-vision: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
