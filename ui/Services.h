#pragma once

#include "DataFolder.h"

#include "core/Random.h"
#include "core/Settings.h"

#include <QString>

namespace tezzle::ui {

class Clock;
class CuePlayer;

// What the program has one of, handed to every window that needs it.
struct Services {
    const Settings& settings; // the program alone writes it
    RandomSource& random;     // seeded once, at start-up
    CuePlayer& cues;
    const Clock& clock;
    DataFolder data;
    QString savedGamePath; // lastgame.inf
    QString highScorePath; // highscores.txt
    QString choicesPath;   // the set-up's choices, kept between runs
};

} // namespace tezzle::ui
