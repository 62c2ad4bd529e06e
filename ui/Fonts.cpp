#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tezzle::ui {

namespace {
const QString kArial = QStringLiteral("Liberation Sans");
const QString kTahoma = QStringLiteral("Tahoma");
} // namespace

void loadFonts() {
    if (QFontDatabase::families().contains(kTahoma))
        return;
    // Wine's own Tahoma is metric compatible with the one the windows were laid out in.
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    if (!QFontDatabase::families().contains(kTahoma))
        QFont::insertSubstitution(kTahoma, QStringLiteral("DejaVu Sans Condensed"));
}

QFont font(FontStyle style) {
    QFont font(style.face == Face::Arial ? kArial : kTahoma);
    font.setPixelSize(style.pixels);
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace tezzle::ui
