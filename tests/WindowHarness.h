// What a window test needs: the program's services with a hand-moved clock, a cue player that
// records, scripted dice, and a data folder of the build's own pictures and sounds.

#pragma once

#include "GameHarness.h"

#include "ui/CuePlayer.h"
#include "ui/Fonts.h"
#include "ui/Services.h"
#include "ui/TimerDriver.h"

#include <QTemporaryDir>

#include <vector>

namespace harness {

class VirtualClock final : public tezzle::ui::Clock {
public:
    tezzle::Millis now() const override { return now_; }
    tezzle::Millis now_ = 0;
};

class RecordingCues final : public tezzle::ui::CuePlayer {
public:
    void play(tezzle::Cue cue) override { played.push_back(cue); }
    std::vector<tezzle::Cue> played;
};

struct Program {
    Program()
        : services{settings,
                   random,
                   cues,
                   clock,
                   tezzle::ui::DataFolder(QStringLiteral(TEZZLE_BIN_DIR "/data")),
                   folder.filePath(QStringLiteral("lastgame.inf")),
                   folder.filePath(QStringLiteral("highscores.txt"))} {
        tezzle::ui::loadFonts();
        settings.connarray = tezzle::gridConnArray();
        settings.soundOn = 1;
    }

    // Lets `ms` pass the way the program's timer would: one wake-up at each due tick.
    void run(tezzle::ui::TimerDriver& driver,
             const std::function<std::optional<tezzle::Millis>()>& next, tezzle::Millis ms) {
        const tezzle::Millis until = clock.now_ + ms;
        while (true) {
            const std::optional<tezzle::Millis> due = next();
            if (!due || clock.now_ + *due > until)
                break;
            clock.now_ += *due;
            driver.sync();
        }
        clock.now_ = until;
        driver.sync();
    }

    QTemporaryDir folder;
    tezzle::Settings settings;
    ScriptedRandom random;
    RecordingCues cues;
    VirtualClock clock;
    tezzle::ui::Services services;
};

} // namespace harness
