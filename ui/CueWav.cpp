#include "CueWav.h"

#include <algorithm>
#include <bit>
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

// Read in place: the file's bytes are never held beside its samples, so the sound module's memory
// is the samples alone.
std::optional<std::vector<std::int16_t>> readCueWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    const auto fileSize = static_cast<std::uint64_t>(std::max<std::streamoff>(0, file.tellg()));
    if (fileSize > kMaxFileBytes)
        return std::nullopt;
    file.seekg(0);
    auto read = [&file](void* to, std::size_t count) {
        return static_cast<bool>(
            file.read(static_cast<char*>(to), static_cast<std::streamsize>(count)));
    };
    unsigned char riff[12];
    if (!read(riff, sizeof riff) || !isFourCc(riff, "RIFF") || !isFourCc(riff + 8, "WAVE"))
        return std::nullopt;

    // The chunks in any order, each padded to an even length; the format comes before the data.
    bool format = false;
    std::uint64_t at = 12;
    unsigned char chunk[8];
    while (at + 8 <= fileSize && read(chunk, sizeof chunk)) {
        const std::uint32_t size = read32(chunk + 4);
        if (size > fileSize - at - 8)
            return std::nullopt; // cut short
        if (isFourCc(chunk, "fmt ")) {
            unsigned char body[16];
            format = size >= sizeof body && read(body, sizeof body) && isCueFormat(body, size);
            if (!format)
                return std::nullopt;
        } else if (isFourCc(chunk, "data")) {
            if (!format || size % 2 != 0)
                return std::nullopt;
            std::vector<std::int16_t> samples(size / 2);
            if (!read(samples.data(), size))
                return std::nullopt;
            if constexpr (std::endian::native == std::endian::big)
                for (std::int16_t& s : samples)
                    s = static_cast<std::int16_t>(read16(reinterpret_cast<unsigned char*>(&s)));
            return samples;
        }
        at += 8 + std::uint64_t{size} + (size & 1);
        file.seekg(static_cast<std::streamoff>(at));
    }
    return std::nullopt;
}

} // namespace tezzle::ui
