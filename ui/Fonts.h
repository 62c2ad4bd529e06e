#pragma once

#include <QFont>

namespace tezzle::ui {

// The two faces the windows are designed in. Arial is drawn in its metric twin Liberation Sans;
// Tahoma in a Tahoma found by fontconfig or shipped with Wine, else DejaVu Sans Condensed. A
// bold style is drawn visibly heavier than the regular in every case.
enum class Face : unsigned char { Arial, Tahoma };

struct FontStyle {
    Face face = Face::Arial;
    int pixels = 16; // points x 4 / 3
    bool bold = true;
};

// Makes the Tahoma face available when fontconfig does not know it. Call once, after the
// application object exists and before the first window is built.
void loadFonts();

// The font a FontStyle names, fully hinted so advances are whole pixels and texts fit as designed.
QFont font(FontStyle style);

} // namespace tezzle::ui
