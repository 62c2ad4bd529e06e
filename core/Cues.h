#pragma once

#include <array>
#include <string_view>

namespace tezzle {

// Every sound cue the program plays. The core names the event; the window side maps it to its
// file beside the executable.
enum class Cue {
    CupDice,
    Click1,
    Click,
    Space,
    Key,
    Boom,
    SubPing,
    Laser3,
    Cash,
    Cheer2,
    Boink,
    Gong,
    Crowd,
    Tink,
};

inline constexpr std::array<std::string_view, 14> kCueFiles{
    "wav/cupdice.wav", "wav/click1.wav",  "wav/click.wav",  "wav/space.wav", "wav/key.wav",
    "wav/boom.wav",    "wav/subping.wav", "wav/laser3.wav", "wav/cash.wav",  "wav/cheer2.wav",
    "wav/boink.wav",   "wav/gong.wav",    "wav/crowd.wav",  "wav/tink.wav",
};

inline constexpr int kCueCount = static_cast<int>(kCueFiles.size());

constexpr std::string_view cueFile(Cue cue) {
    return kCueFiles[static_cast<std::size_t>(cue)];
}

} // namespace tezzle
