#pragma once

#include "core/Cues.h"

#include <QString>

#include <memory>

namespace tezzle::ui {

// playsound: starts a cue and returns at once. One per program, shared by every window.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

// Plays the cues from <data>/wav/ through the sound module, libtezzle-sound.so, which holds the
// audio library, so that the program starts without it and a game with the sound off never loads
// it. A new cue cuts off the one still playing, whichever window started it. A missing or
// damaged file, no audio device or no module is silence.
class SoundCuePlayer final : public CuePlayer {
public:
    explicit SoundCuePlayer(QString dataFolder);
    ~SoundCuePlayer() override;

    // Loads the module, which opens the audio device and reads every cue in the background. The
    // program calls it once its first window is painted, and only with the sound on; otherwise
    // the first cue wanted loads it.
    void preload();

    void play(Cue cue) override;

private:
    CuePlayer* player(); // loaded on first use; none when the module cannot be loaded

    QString folder_;
    std::unique_ptr<CuePlayer> player_;
    bool tried_ = false;
};

} // namespace tezzle::ui
