#pragma once

#include "core/Cues.h"

#include <array>
#include <string_view>

namespace tezzle::ui {

// The file of each cue in the data folder, by the names the game has always used; the sound
// module reads them in this order.
inline constexpr std::array<std::string_view, kCueCount> kCueFiles{
    "wav/cupdice.wav", "wav/click1.wav",  "wav/click.wav",  "wav/space.wav", "wav/key.wav",
    "wav/boom.wav",    "wav/subping.wav", "wav/laser3.wav", "wav/cash.wav",  "wav/cheer2.wav",
    "wav/boink.wav",   "wav/gong.wav",    "wav/crowd.wav",  "wav/tink.wav",
};

constexpr std::string_view cueFile(Cue cue) {
    return kCueFiles[static_cast<std::size_t>(cue)];
}

} // namespace tezzle::ui
