#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tezzle {

// What a draw is for. The game's generator ignores it; a test's scripted source uses it to
// decide the dice and the computer's choice without counting the rolling faces in between.
enum class Draw : std::uint8_t {
    DieRepeats,     // how many times a die is drawn in a throw, 0 to 99
    DieFace,        // one of those draws, 1 to 6
    RollingFace,    // a face shown while a die rolls, 1 to 6
    Strategy,       // level 2: random or greedy for this move
    ComputerNumber, // the random strategy's pick, 1 to 100
};

// A uniform source of values in [0, 1), handed to the game.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next(Draw what) = 0;
};

// The program's generator (xoshiro256**, seeded through splitmix64): seeded once, never again,
// so its draws never repeat in step with the clock. Fast, because the dice roll draws a face
// every few milliseconds of play and whole games are simulated by the thousand.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    double next(Draw) override { return static_cast<double>(nextWord() >> 11) * 0x1.0p-53; }

    std::uint64_t nextWord() {
        const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = std::rotl(state_[3], 45);
        return result;
    }

private:
    std::array<std::uint64_t, 4> state_{};
};

// Int(random x n): a whole number 0 to n - 1, whatever value the source returns.
inline int drawBelow(RandomSource& random, Draw what, int n) {
    const double u = random.next(what);
    if (!(u > 0.0))
        return 0;
    const int v = static_cast<int>(u >= 1.0 ? n : u * n);
    return v < n ? v : n - 1;
}

// Int(random x n + 1): a whole number 1 to n, whatever value the source returns. Not the same
// as drawBelow(n) + 1 for a few values just below a multiple of 1 / n, where adding 1 rounds up.
inline int drawOneTo(RandomSource& random, Draw what, int n) {
    const double u = random.next(what);
    if (!(u > 0.0))
        return 1;
    if (u >= 1.0)
        return n;
    const int v = static_cast<int>(u * n + 1.0);
    return v < n ? v : n;
}

} // namespace tezzle
