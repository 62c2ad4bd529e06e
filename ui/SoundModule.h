#pragma once

#include "CuePlayer.h"

#include <QStringList>

// What the sound module (tezzle-sound) offers its loader, SoundCuePlayer: the audio library lives
// in the module only, so the program starts without loading it.
namespace tezzle::ui {

// The module's one entry point: a player of the given files, one per cue in Cue's order. It
// opens the audio device and reads every cue in the background, so it returns at once.
using MakeModuleCuePlayer = CuePlayer* (*)(const QStringList& files);
inline constexpr char kMakeModuleCuePlayer[] = "tezzleMakeModuleCuePlayer";

} // namespace tezzle::ui
