#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tezzle::ui {

Translations::Translations(const QString& folder, const QLocale& locale) {
    // English is the code's own language: its catalogue holds only plural forms, so an English
    // desktop in front of another language in LANGUAGE still wins.
    if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    if (game_.load(locale, QStringLiteral("tezzle"), QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(&game_);
}

Translations::Translations(const QString& catalogue, std::nullptr_t) {
    if (game_.load(catalogue))
        QCoreApplication::installTranslator(&game_);
}

} // namespace tezzle::ui
