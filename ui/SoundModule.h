#pragma once

#include "CuePlayer.h"

#include <QStringList>

// What the sound module (tezzle-sound) offers its loader, SoundCuePlayer: Qt Multimedia and the
// libraries under it live in the module only, so the program starts without loading them.
namespace tezzle::ui {

class ModuleCuePlayer : public CuePlayer {
public:
    virtual void preload() = 0; // every cue, ahead of its first use
};

// The module's one entry point: a player of the given files, one per cue in Cue's order.
using MakeModuleCuePlayer = ModuleCuePlayer* (*)(const QStringList& files);
inline constexpr char kMakeModuleCuePlayer[] = "tezzleMakeModuleCuePlayer";

} // namespace tezzle::ui
