#include "CuePlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tezzle::ui {

SoundCuePlayer::SoundCuePlayer(QString dataFolder, QObject* parent)
    : QObject(parent)
    , folder_(std::move(dataFolder)) {}

SoundCuePlayer::~SoundCuePlayer() = default;

void SoundCuePlayer::preload() {
    for (int i = 0; i < kCueCount; ++i)
        effect(static_cast<Cue>(i));
}

QSoundEffect* SoundCuePlayer::effect(Cue cue) {
    // Without an audio device there is nothing to play on; one plugged in later is used then.
    if (QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    std::unique_ptr<QSoundEffect>& slot = effects_[static_cast<std::size_t>(cue)];
    // An effect that has failed (the audio device went away, the machine slept) stays silent
    // for good, so it is made anew.
    if (slot && slot->status() == QSoundEffect::Error) {
        if (playing_ == slot.get())
            playing_ = nullptr;
        slot.reset();
    }
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        const std::string_view name = cueFile(cue);
        slot->setSource(QUrl::fromLocalFile(
            folder_ + QLatin1Char('/') +
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))));
    }
    return slot.get();
}

void SoundCuePlayer::play(Cue cue) {
    QSoundEffect* next = effect(cue);
    if (playing_ != nullptr && playing_ != next)
        playing_->stop();
    playing_ = next;
    if (next == nullptr)
        return;
    next->stop(); // the same cue again starts from its beginning
    next->play();
}

} // namespace tezzle::ui
