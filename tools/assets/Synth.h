#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

// Small building blocks for the sound cues: noise, resonant filters, decaying partials and
// buzzing voices, all mixed into one buffer of floats at 44.1 kHz.
namespace tezzle::sound {

using Samples = std::vector<float>;

inline constexpr double kRate = 44100.0;
inline constexpr double kTwoPi = 6.283185307179586;

int sampleCount(double seconds);
Samples silence(double seconds);

// Seeded white noise and uniform draws, the same on every machine.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : engine(seed) {}
    double uniform(double low, double high); // [low, high)
    double white() { return uniform(-1.0, 1.0); }

private:
    std::mt19937 engine;
};

// A second-order filter after the well-known audio cookbook formulas.
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };
    Biquad(Kind kind, double frequency, double q)
        : kind(kind) {
        tune(frequency, q);
    }
    void tune(double frequency, double q); // keeps the state, so it can sweep
    double process(double x);

private:
    Kind kind;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Adds in to out starting at `at` seconds, scaled by gain; out grows if needed.
void mixAt(Samples& out, const Samples& in, double at, double gain = 1.0);

// A sine partial that starts at `at`, rises over attack seconds and decays exponentially with
// time constant decay. frequency may glide: it is read at every sample.
void addPartial(Samples& out, double at, double frequency, double amplitude, double decay,
                double attack = 0.0005);

// A tick of filtered noise: the building block of clicks, knocks, claps and rattles.
void addBurst(Samples& out, Noise& noise, double at, double centre, double q, double decay,
              double amplitude);

// Runs the whole buffer through a filter.
void filter(Samples& s, Biquad f);

// A buzzing voice (band-limited sawtooth) whose pitch and loudness are read from the curves
// given at every sample, shaped by three moving formants; for crowds and cheers.
struct VoiceShape {
    std::function<double(double)> pitch;    // Hz at time t since the voice began
    std::function<double(double)> loudness; // 0..1 at time t
    std::function<double(double)> openness; // 0 = "ee", 1 = "ah", at time t
};
void addVoice(Samples& out, double at, double length, const VoiceShape& shape);

// Scales so the largest sample is peak, then fades the ends with raised cosines so neither
// end clicks; the first and last samples are silent.
void finish(Samples& s, double peak, double fadeIn, double fadeOut);

} // namespace tezzle::sound
