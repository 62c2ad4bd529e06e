#include "CuePlayer.h"

#include "CueFiles.h"
#include "SoundModule.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace tezzle::ui {

SoundCuePlayer::SoundCuePlayer(QString dataFolder)
    : folder_(std::move(dataFolder)) {}

SoundCuePlayer::~SoundCuePlayer() = default;

CuePlayer* SoundCuePlayer::player() {
    if (tried_)
        return player_.get();
    tried_ = true;
    // Beside the program as the data folder is: bin/../lib/tezzle/, built or installed. It stays
    // loaded for good, since the player's code is in it.
    QLibrary module(QCoreApplication::applicationDirPath() +
                    QStringLiteral("/../lib/tezzle/tezzle-sound"));
    const auto make = reinterpret_cast<MakeModuleCuePlayer>(module.resolve(kMakeModuleCuePlayer));
    if (make == nullptr) {
        std::fprintf(stderr, "tezzle: no sound: %s\n", qPrintable(module.errorString()));
        return nullptr;
    }
    QStringList files;
    for (int i = 0; i < kCueCount; ++i) {
        const std::string_view name = cueFile(static_cast<Cue>(i));
        files << folder_ + QLatin1Char('/') +
                     QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    player_.reset(make(files));
    return player_.get();
}

void SoundCuePlayer::preload() {
    player();
}

void SoundCuePlayer::play(Cue cue) {
    if (CuePlayer* p = player())
        p->play(cue);
}

} // namespace tezzle::ui
