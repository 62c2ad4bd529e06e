#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tezzle::ui {

inline constexpr int kCueRate = 44100;

// The samples of one of the game's own cue files: 16-bit PCM, mono, 44.1 kHz, as make-assets
// writes them. Anything else, a damaged header or a file cut short is refused (none), so that a
// bad file is a silent cue rather than noise.
std::optional<std::vector<std::int16_t>> readCueWav(const std::string& path);

} // namespace tezzle::ui
