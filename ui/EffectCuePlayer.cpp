// The sound module: the cues played through Qt Multimedia's QSoundEffect.

#include "SoundModule.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <array>
#include <memory>

namespace tezzle::ui {

namespace {

class EffectCuePlayer final : public ModuleCuePlayer {
public:
    explicit EffectCuePlayer(QStringList files)
        : files_(std::move(files)) {}

    void preload() override {
        for (int i = 0; i < kCueCount; ++i)
            effect(static_cast<Cue>(i));
    }

    void play(Cue cue) override {
        QSoundEffect* next = effect(cue);
        if (playing_ != nullptr && playing_ != next)
            playing_->stop();
        playing_ = next;
        if (next == nullptr)
            return;
        next->stop(); // the same cue again starts from its beginning
        next->play();
    }

private:
    QSoundEffect* effect(Cue cue) {
        // Without an audio device there is nothing to play on; one plugged in later is used
        // then.
        const auto index = static_cast<std::size_t>(cue);
        if (QMediaDevices::audioOutputs().isEmpty() || index >= std::size_t(files_.size()))
            return nullptr;
        std::unique_ptr<QSoundEffect>& slot = effects_[index];
        // An effect that has failed (the audio device went away, the machine slept) stays
        // silent for good, so it is made anew.
        if (slot && slot->status() == QSoundEffect::Error) {
            if (playing_ == slot.get())
                playing_ = nullptr;
            slot.reset();
        }
        if (!slot) {
            slot = std::make_unique<QSoundEffect>();
            slot->setSource(QUrl::fromLocalFile(files_[static_cast<qsizetype>(index)]));
        }
        return slot.get();
    }

    QStringList files_;
    std::array<std::unique_ptr<QSoundEffect>, kCueCount> effects_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace

} // namespace tezzle::ui

extern "C" Q_DECL_EXPORT tezzle::ui::ModuleCuePlayer*
tezzleMakeModuleCuePlayer(const QStringList& files) {
    return new tezzle::ui::EffectCuePlayer(files);
}
