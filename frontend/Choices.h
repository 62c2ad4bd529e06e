#pragma once

#include <QString>

namespace tezzle::frontend {

// The set-up choices a player leaves and finds again at the next run, as the windows show them.
struct Choices {
    bool playSound = true;
    bool timersOn = false;
    QString seconds = QStringLiteral("600"); // the time box's text as it was left
    bool showWorking = false;
    bool colourMarks = false;
    int computerLevel = 3;
    friend bool operator==(const Choices&, const Choices&) = default;
};

// What the time box lets a player type, and so all a kept time may be: up to four of
// "-.0123456789".
inline constexpr int kSecondsLength = 4;
bool typableSeconds(const QString& seconds);

// Reads the choices kept at `path` (Qt's settings, as INI); the usual choices for a file that is
// missing, damaged or unreadable, and for each value that is missing or out of its range.
Choices loadChoices(const QString& path);
// Keeps them, replacing a damaged file whole. False when they could not be written.
bool saveChoices(const QString& path, const Choices& choices);

} // namespace tezzle::frontend
