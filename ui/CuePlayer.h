#pragma once

#include "core/Cues.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tezzle::ui {

class ModuleCuePlayer;

// playsound: starts a cue and returns at once. One per program, shared by every window.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

// Plays the cues from <data>/wav/ through Qt Multimedia. A new cue cuts off the one still
// playing, whichever window started it. A missing file, no audio device or no sound module is
// silence. Qt Multimedia is loaded with the sound module (SoundModule.h) when the first cue is
// wanted, so the program starts without it.
class SoundCuePlayer final : public QObject, public CuePlayer {
    Q_OBJECT

public:
    explicit SoundCuePlayer(QString dataFolder, QObject* parent = nullptr);
    ~SoundCuePlayer() override;

    // Loads the module and every cue ahead of their first use; the program calls it once its
    // first window is painted, so sound costs nothing at start-up.
    void preload();

    void play(Cue cue) override;

private:
    ModuleCuePlayer* player(); // loaded on first use; none when the module cannot be loaded

    QString folder_;
    std::unique_ptr<ModuleCuePlayer> player_;
    bool tried_ = false;
};

} // namespace tezzle::ui
