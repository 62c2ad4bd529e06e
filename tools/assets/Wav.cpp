#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace tezzle::sound {

namespace {

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool writeWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr int kLimit = 32766;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, kChannels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * kChannels * kBits / 8);
    put16(out, kChannels * kBits / 8);
    put16(out, kBits);
    out += "data";
    put32(out, dataBytes);
    for (const float s : samples) {
        const long v = std::clamp(std::lround(s * 32767.0), -long{kLimit}, long{kLimit});
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace tezzle::sound
