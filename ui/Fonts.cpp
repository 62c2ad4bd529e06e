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
    // Wine's own Tahoma is metric compatible with the one the windows were laid out in. Its bold,
    // tahomabd.ttf, only spaces the regular strokes wider, and a face that calls itself bold is
    // never thickened: left out, the bold is the regular face thickened by the font engine.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
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
