#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tezzle::ui {

namespace {
const QString kArial = QStringLiteral("Liberation Sans");
const QString kTahoma = QStringLiteral("Tahoma");
// Close to Tahoma in width, and drawn in a true bold.
const QString kTahomaStandIn = QStringLiteral("DejaVu Sans Condensed");
} // namespace

void loadFonts() {
    if (QFontDatabase::families().contains(kTahoma))
        return;
    // Wine's own Tahoma is metric compatible with the one the windows were laid out in. Its bold,
    // tahomabd.ttf, only spaces the regular strokes wider: a bold Tahoma comes from the stand-in.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    if (!QFontDatabase::families().contains(kTahoma))
        QFont::insertSubstitution(kTahoma, kTahomaStandIn);
}

QFont font(FontStyle style) {
    QString family = style.face == Face::Arial ? kArial : kTahoma;
    // The font engine's own thickening of a regular face is lost on large texts, drawn as outlines.
    if (style.face == Face::Tahoma && style.bold &&
        !QFontDatabase::styles(kTahoma).contains(QStringLiteral("Bold")))
        family = kTahomaStandIn;
    QFont font(family);
    font.setPixelSize(style.pixels);
    font.setBold(style.bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace tezzle::ui
