#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace tezzle::ui {

// The game's words and Qt's own in the player's language. The language follows the desktop
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English where the game has no catalogue. The files the
// game writes never depend on it. Read before the application object exists, so even the words
// for a failed start are the player's; installed into it once it does, for as long as this lives.
class Translations {
public:
    // Looks for tezzle_<language>.qm in `folder`, Qt's own catalogues where Qt keeps them.
    Translations(const QString& folder, const QLocale& locale = QLocale());
    // One catalogue by its path (the pseudo-language of the window suites).
    explicit Translations(const QString& catalogue, std::nullptr_t);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    void install(); // into the application, which must exist by now
    bool gameTranslated() const { return !game_.isEmpty(); }
    // A text of the game's, translated without the application; the source where there is none.
    QString translate(const char* context, const char* text) const;

private:
    QTranslator qt_;
    QTranslator game_;
};

} // namespace tezzle::ui
