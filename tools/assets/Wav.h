#pragma once

#include <string>
#include <vector>

namespace tezzle::sound {

inline constexpr int kSampleRate = 44100;

// Writes 16-bit PCM mono. Samples are in [-1, 1]; anything beyond is held a step short of full
// scale, so no sample ever reads as a clipped one. False when the file cannot be written.
bool writeWav(const std::string& path, const std::vector<float>& samples,
              int sampleRate = kSampleRate);

} // namespace tezzle::sound
