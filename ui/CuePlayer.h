#pragma once

#include "core/Cues.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class QSoundEffect;

namespace tezzle::ui {

// playsound: starts a cue and returns at once. One per program, shared by every window.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void play(Cue cue) = 0;
};

// Plays the cues from <data>/wav/ through Qt Multimedia. A new cue cuts off the one still
// playing, whichever window started it. A missing file or no audio device is silence.
class SoundCuePlayer final : public QObject, public CuePlayer {
    Q_OBJECT

public:
    explicit SoundCuePlayer(QString dataFolder, QObject* parent = nullptr);
    ~SoundCuePlayer() override;

    // Loads every cue ahead of its first use; the program calls it once its first window is
    // painted, so sound costs nothing at start-up.
    void preload();

    void play(Cue cue) override;

private:
    QSoundEffect* effect(Cue cue); // none without an audio device

    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, kCueCount> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace tezzle::ui
