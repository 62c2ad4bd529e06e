#include "Choices.h"

#include <QFile>
#include <QSettings>

#include <algorithm>

namespace tezzle::frontend {

namespace {

bool flag(const QSettings& kept, const char* key, bool usual) {
    const QString value = kept.value(QLatin1String(key)).toString();
    return value == QLatin1String("true") ? true : value == QLatin1String("false") ? false : usual;
}

} // namespace

// Checked by hand: a regular expression would bring its library and compiler into every start.
bool typableSeconds(const QString& seconds) {
    return seconds.size() <= kSecondsLength &&
           std::all_of(seconds.begin(), seconds.end(),
                       [](QChar c) { return c == u'-' || c == u'.' || (c >= u'0' && c <= u'9'); });
}

Choices loadChoices(const QString& path) {
    const Choices usual;
    QSettings kept(path, QSettings::IniFormat);
    if (kept.status() != QSettings::NoError)
        return usual;
    Choices c;
    c.playSound = flag(kept, "playSound", usual.playSound);
    c.timersOn = flag(kept, "timersOn", usual.timersOn);
    c.showWorking = flag(kept, "showWorking", usual.showWorking);
    c.colourMarks = flag(kept, "colourMarks", usual.colourMarks);
    const QString seconds = kept.value(QStringLiteral("seconds"), usual.seconds).toString();
    c.seconds = typableSeconds(seconds) ? seconds : usual.seconds;
    bool ok = false;
    const int level = kept.value(QStringLiteral("computerLevel")).toInt(&ok);
    c.computerLevel = ok && level >= 1 && level <= 3 ? level : usual.computerLevel;
    return c;
}

bool saveChoices(const QString& path, const Choices& choices) {
    {
        // QSettings keeps what it could not parse and would write it back: start afresh.
        const QSettings kept(path, QSettings::IniFormat);
        if (kept.status() == QSettings::FormatError)
            QFile::remove(path);
    }
    QSettings kept(path, QSettings::IniFormat);
    kept.clear();
    kept.setValue(QStringLiteral("playSound"), choices.playSound);
    kept.setValue(QStringLiteral("timersOn"), choices.timersOn);
    kept.setValue(QStringLiteral("seconds"), choices.seconds);
    kept.setValue(QStringLiteral("showWorking"), choices.showWorking);
    kept.setValue(QStringLiteral("colourMarks"), choices.colourMarks);
    kept.setValue(QStringLiteral("computerLevel"), choices.computerLevel);
    kept.sync();
    return kept.status() == QSettings::NoError;
}

} // namespace tezzle::frontend
