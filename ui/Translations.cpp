#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tezzle::ui {

Translations::Translations(const QString& folder, const QLocale& locale) {
    // English is the code's own language: its catalogue holds only plural forms, so an English
    // desktop in front of another language in LANGUAGE still wins.
    (void)qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    (void)game_.load(locale, QStringLiteral("tezzle"), QStringLiteral("_"), folder);
}

Translations::Translations(const QString& catalogue, std::nullptr_t) {
    (void)game_.load(catalogue);
}

void Translations::install() {
    for (QTranslator* t : {&qt_, &game_})
        if (!t->isEmpty())
            QCoreApplication::installTranslator(t);
}

QString Translations::translate(const char* context, const char* text) const {
    const QString translated = game_.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace tezzle::ui
