#pragma once

#include "Synth.h"

#include "core/Cues.h"

namespace tezzle::sound {

// The cue's sound at 44.1 kHz, ready to write: at its level, never clipping, faded at both ends.
Samples synthesise(Cue cue);

} // namespace tezzle::sound
