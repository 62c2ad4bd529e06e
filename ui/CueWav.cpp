#include "CueWav.h"

#include <cstring>
#include <fstream>
#include <string_view>

namespace tezzle::ui {

namespace {

// The longest cue lasts under three seconds; a file far larger is not one of ours.
constexpr std::size_t kMaxFileBytes = 8u << 20;

std::uint32_t read32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

std::uint16_t read16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool isFourCc(const unsigned char* p, std::string_view name) {
    return std::memcmp(p, name.data(), 4) == 0;
}

// The format chunk of 16-bit PCM mono at the cue rate, and nothing else.
bool isCueFormat(const unsigned char* p, std::uint32_t size) {
    constexpr std::uint16_t kPcm = 1;
    return size >= 16 && read16(p) == kPcm && read16(p + 2) == 1 && read32(p + 4) == kCueRate &&
           read32(p + 8) == kCueRate * 2 && read16(p + 12) == 2 && read16(p + 14) == 16;
}

} // namespace

std::optional<std::vector<std::int16_t>> readCueWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    bytes.reserve(64 * 1024);
    char block[64 * 1024];
    while (file.read(block, sizeof block) || file.gcount() > 0) {
        bytes.insert(bytes.end(), block, block + file.gcount());
        if (bytes.size() > kMaxFileBytes)
            return std::nullopt;
    }
    if (bytes.size() < 12 || !isFourCc(bytes.data(), "RIFF") || !isFourCc(bytes.data() + 8, "WAVE"))
        return std::nullopt;

    // The chunks in any order, each padded to an even length; the format comes before the data.
    bool format = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const unsigned char* chunk = bytes.data() + at;
        const std::uint32_t size = read32(chunk + 4);
        if (size > bytes.size() - at - 8)
            return std::nullopt; // cut short
        if (isFourCc(chunk, "fmt ")) {
            format = isCueFormat(chunk + 8, size);
            if (!format)
                return std::nullopt;
        } else if (isFourCc(chunk, "data")) {
            if (!format || size % 2 != 0)
                return std::nullopt;
            std::vector<std::int16_t> samples(size / 2);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = static_cast<std::int16_t>(read16(chunk + 8 + 2 * i));
            return samples;
        }
        at += 8 + std::size_t{size} + (size & 1);
    }
    return std::nullopt;
}

} // namespace tezzle::ui
