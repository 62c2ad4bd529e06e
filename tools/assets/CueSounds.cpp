#include "CueSounds.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tezzle::sound {

namespace {

// The moves climb in excitement with their points: a soft click, a crisp click, a space bar,
// a typewriter key, an explosion, a sonar ping, a laser.

Samples softClick() {
    Samples s = silence(0.05);
    Noise noise(11);
    addBurst(s, noise, 0.002, 1100.0, 0.9, 0.003, 1.0);
    addPartial(s, 0.002, 780.0, 0.5, 0.009);
    filter(s, Biquad(Biquad::Kind::LowPass, 2500.0, 0.7));
    return s;
}

Samples crispClick() {
    Samples s = silence(0.045);
    Noise noise(12);
    addBurst(s, noise, 0.002, 3300.0, 1.4, 0.0015, 1.0);
    addPartial(s, 0.002, 2150.0, 0.45, 0.005);
    addPartial(s, 0.002, 4700.0, 0.25, 0.003);
    return s;
}

Samples spaceBar() {
    Samples s = silence(0.17);
    Noise noise(13);
    addBurst(s, noise, 0.002, 1800.0, 1.0, 0.0025, 0.6);
    addPartial(s, 0.002, 165.0, 1.0, 0.028, 0.002);
    addPartial(s, 0.002, 430.0, 0.4, 0.014);
    // The bar springs back up a moment later, with its stabiliser's rattle.
    addBurst(s, noise, 0.05, 2500.0, 1.2, 0.002, 0.35);
    addPartial(s, 0.05, 195.0, 0.35, 0.018, 0.002);
    addBurst(s, noise, 0.058, 3600.0, 2.0, 0.001, 0.15);
    return s;
}

Samples typewriterKey() {
    Samples s = silence(0.26);
    Noise noise(14);
    addBurst(s, noise, 0.002, 3500.0, 0.8, 0.002, 1.0);
    addPartial(s, 0.002, 2900.0, 0.35, 0.03);
    addPartial(s, 0.002, 4350.0, 0.25, 0.02);
    addPartial(s, 0.002, 6100.0, 0.2, 0.012);
    addPartial(s, 0.002, 240.0, 0.5, 0.02, 0.002);
    // The type bar strikes the platen, then the key comes back up.
    addBurst(s, noise, 0.014, 5000.0, 2.0, 0.0015, 0.5);
    addPartial(s, 0.014, 3900.0, 0.2, 0.015);
    addBurst(s, noise, 0.095, 2500.0, 1.5, 0.001, 0.2);
    return s;
}

Samples explosion() {
    Samples s = silence(0.95);
    Noise noise(15);
    addBurst(s, noise, 0.002, 1500.0, 0.7, 0.008, 0.5);
    // A roar whose brightness falls away, over a rumble that drops in pitch.
    Biquad first(Biquad::Kind::LowPass, 2000.0, 0.7);
    Biquad second(Biquad::Kind::LowPass, 2000.0, 0.7);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        if (i % 16 == 0) {
            const double cutoff = 140.0 + 1900.0 * std::exp(-t / 0.07);
            first.tune(cutoff, 0.7);
            second.tune(cutoff, 0.7);
        }
        const double rise = std::min(1.0, t / 0.004);
        const double roar = second.process(first.process(noise.white())) * std::exp(-t / 0.3);
        phase += kTwoPi * (38.0 + 45.0 * std::exp(-t / 0.35)) / kRate;
        const double rumble = 0.8 * std::sin(phase) * std::exp(-t / 0.32);
        s[i] += static_cast<float>(rise * (1.6 * roar + rumble));
    }
    return s;
}

Samples sonarPing() {
    Samples ping = silence(0.4);
    addPartial(ping, 0.0, 1180.0, 1.0, 0.16, 0.004);
    addPartial(ping, 0.0, 2360.0, 0.12, 0.05, 0.004);
    addPartial(ping, 0.0, 1187.0, 0.3, 0.2, 0.01);
    Samples s = silence(0.98);
    mixAt(s, ping, 0.002);
    // Echoes off a distant hull come back duller.
    Samples echo = ping;
    filter(echo, Biquad(Biquad::Kind::BandPass, 1180.0, 2.5));
    mixAt(s, echo, 0.33, 0.35);
    mixAt(s, echo, 0.66, 0.12);
    s.resize(static_cast<std::size_t>(sampleCount(0.98)));
    return s;
}

Samples laser() {
    Samples s = silence(0.45);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = 280.0 + 2900.0 * std::exp(-t / 0.07);
        phase += kTwoPi * frequency / kRate;
        // A hollow square-ish tone: odd harmonics, none above hearing.
        double v = 0.0;
        for (int k = 1; k <= 7 && k * frequency < 18000.0; k += 2)
            v += std::sin(k * phase) / k;
        const double flutter = 1.0 - 0.3 * (0.5 + 0.5 * std::sin(kTwoPi * 38.0 * t));
        s[i] = static_cast<float>(v * flutter * std::min(1.0, t / 0.003) * std::exp(-t / 0.16));
    }
    Samples echo = s;
    mixAt(s, echo, 0.11, 0.3);
    s.resize(static_cast<std::size_t>(sampleCount(0.45)));
    return s;
}

Samples cashRegister() {
    Samples s = silence(0.95);
    Noise noise(16);
    // "Ka": the drawer mechanism, a clack and a short rattle.
    addBurst(s, noise, 0.002, 2000.0, 0.8, 0.004, 0.8);
    addBurst(s, noise, 0.017, 900.0, 1.0, 0.008, 0.5);
    for (int i = 0; i < 6; ++i)
        addBurst(s, noise, 0.025 + 0.01 * i + noise.uniform(0, 0.004), noise.uniform(2500, 4500),
                 2.0, 0.0012, 0.25);
    // "Ching": a bright bell with slightly detuned twins that shimmer.
    constexpr std::array<double, 5> kRatios{1.0, 2.0, 2.76, 3.55, 5.4};
    constexpr std::array<double, 5> kAmps{1.0, 0.45, 0.5, 0.25, 0.2};
    constexpr std::array<double, 5> kDecays{0.42, 0.3, 0.22, 0.15, 0.08};
    for (std::size_t k = 0; k < kRatios.size(); ++k) {
        addPartial(s, 0.07, 1960.0 * kRatios[k], 0.45 * kAmps[k], kDecays[k], 0.001);
        addPartial(s, 0.07, 1960.0 * kRatios[k] * 1.004, 0.22 * kAmps[k], kDecays[k], 0.001);
    }
    // Coins tumbling into the tray.
    for (int i = 0; i < 7; ++i) {
        const double at = 0.1 + 0.065 * i + noise.uniform(0, 0.02);
        const double pitch = noise.uniform(4200, 6800);
        const double amp = 0.3 * std::pow(0.82, i);
        addPartial(s, at, pitch, amp, noise.uniform(0.025, 0.04));
        addPartial(s, at, pitch * 1.52, 0.6 * amp, 0.02);
        addBurst(s, noise, at, pitch, 3.0, 0.0008, 0.5 * amp);
    }
    s.resize(static_cast<std::size_t>(sampleCount(0.95)));
    return s;
}

// Hands clapping at random, busiest in the middle of [start, end].
void addApplause(Samples& s, Noise& noise, double start, double end, int claps, double amplitude) {
    for (int i = 0; i < claps; ++i) {
        // Two draws averaged lean the claps towards the middle.
        const double u = 0.5 * (noise.uniform(0, 1) + noise.uniform(0, 1));
        addBurst(s, noise, start + u * (end - start), noise.uniform(800, 2600),
                 noise.uniform(1.0, 2.2), noise.uniform(0.002, 0.005),
                 amplitude * noise.uniform(0.3, 1.0));
    }
}

// A shout that rises into its vowel and falls away, like "yeah!".
VoiceShape shout(double pitch, double length, double rise, double vibrato, double wobble) {
    return {
        [=](double t) {
            const double lift = 1.0 + rise * (1.0 - std::exp(-t / 0.12)) - 0.5 * rise * t / length;
            return pitch * lift * (1.0 + 0.018 * std::sin(kTwoPi * vibrato * t + wobble));
        },
        [=](double t) {
            const double in = std::min(1.0, t / 0.1);
            const double out = std::clamp((length - t) / 0.35, 0.0, 1.0);
            return in * out;
        },
        [](double t) { return std::min(1.0, t / 0.08); },
    };
}

Samples cheer() {
    constexpr double kLength = 2.4;
    Samples s = silence(kLength);
    Noise noise(17);
    for (int v = 0; v < 22; ++v) {
        const bool high = v % 2 == 1;
        const double pitch = high ? noise.uniform(230, 340) : noise.uniform(120, 190);
        const double at = noise.uniform(0.0, 0.22);
        const double length = noise.uniform(1.3, 2.05);
        addVoice(s, at, std::min(length, kLength - at),
                 shout(pitch, length, noise.uniform(0.15, 0.35), noise.uniform(4.5, 7.0),
                       noise.uniform(0, kTwoPi)));
    }
    Samples claps = silence(kLength);
    addApplause(claps, noise, 0.15, kLength - 0.1, 260, 1.0);
    mixAt(s, claps, 0.0, 0.12);
    // Two whistles cut through.
    for (const double at : {0.35, 1.05}) {
        Samples whistle = silence(0.45);
        double phase = 0.0;
        for (std::size_t i = 0; i < whistle.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            phase += kTwoPi * (2300.0 + 700.0 * std::min(1.0, t / 0.25)) / kRate;
            const double env = std::min(1.0, t / 0.05) * std::clamp((0.45 - t) / 0.1, 0.0, 1.0);
            whistle[i] = static_cast<float>(std::sin(phase + 0.4 * std::sin(kTwoPi * 6 * t)) * env);
        }
        mixAt(s, whistle, at, 0.06);
    }
    s.resize(static_cast<std::size_t>(sampleCount(kLength)));
    return s;
}

Samples crowd() {
    constexpr double kLength = 2.9;
    Samples s = silence(kLength);
    Noise noise(18);
    addApplause(s, noise, 0.05, kLength - 0.05, 700, 1.0);
    // A murmur of many voices, each a few short shouts.
    Samples voices = silence(kLength);
    for (int v = 0; v < 16; ++v) {
        const double pitch = noise.uniform(110, 300);
        double at = noise.uniform(0.0, 0.4);
        while (at < kLength - 0.4) {
            const double length = noise.uniform(0.3, 0.7);
            addVoice(voices, at, length,
                     shout(pitch * noise.uniform(0.9, 1.15), length, noise.uniform(0.05, 0.2), 5.0,
                           noise.uniform(0, kTwoPi)));
            at += length + noise.uniform(0.05, 0.35);
        }
    }
    voices.resize(s.size());
    mixAt(s, voices, 0.0, 0.08);
    // The hall's roar under it all.
    Samples roar = silence(kLength);
    Biquad low(Biquad::Kind::BandPass, 700.0, 0.6);
    for (std::size_t i = 0; i < roar.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double swell = std::min(1.0, t / 0.5) * (0.8 + 0.2 * std::sin(kTwoPi * 0.7 * t));
        roar[i] = static_cast<float>(low.process(noise.white()) * swell);
    }
    mixAt(s, roar, 0.0, 0.5);
    s.resize(static_cast<std::size_t>(sampleCount(kLength)));
    return s;
}

Samples boing() {
    Samples s = silence(0.6);
    double phase = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        // "B-oi": a quick upward slide, then the spring wobbles and settles.
        const double base = 160.0 + 85.0 * (1.0 - std::exp(-t / 0.03));
        const double wobble = 1.0 + 0.2 * std::exp(-t / 0.2) * std::sin(kTwoPi * 13.0 * t);
        phase += kTwoPi * base * wobble / kRate;
        const double twang = std::sin(phase) + 0.32 * std::sin(2 * phase) +
                             0.14 * std::sin(3 * phase) + 0.05 * std::sin(5 * phase);
        s[i] = static_cast<float>(twang * std::min(1.0, t / 0.005) * std::exp(-t / 0.2));
    }
    return s;
}

Samples gong() {
    Samples s = silence(2.4);
    Noise noise(19);
    // The mallet's soft thud.
    addBurst(s, noise, 0.002, 300.0, 0.7, 0.012, 0.35);
    addPartial(s, 0.002, 58.0, 0.4, 0.06, 0.003);
    // Inharmonic modes; the higher ones bloom a little after the strike, as a gong's do.
    constexpr std::array<double, 11> kRatios{1.0,  1.47, 1.98, 2.44, 2.9, 3.43,
                                             3.91, 4.6,  5.36, 6.2,  7.3};
    constexpr std::array<double, 11> kAmps{1.0,  0.7,  0.55, 0.5,  0.4, 0.35,
                                           0.28, 0.22, 0.18, 0.12, 0.08};
    for (std::size_t k = 0; k < kRatios.size(); ++k) {
        const double decay = 1.1 / (1.0 + 0.35 * static_cast<double>(k));
        const double bloom = 0.004 + 0.012 * static_cast<double>(k);
        addPartial(s, 0.002, 98.0 * kRatios[k], kAmps[k], decay, bloom);
        addPartial(s, 0.002, 98.0 * kRatios[k] * 1.0045, 0.5 * kAmps[k], decay, bloom);
    }
    // The shimmer that swells up after the strike and dies before the deep hum.
    constexpr std::array<double, 6> kShimmer{930.0, 1240.0, 1585.0, 1910.0, 2330.0, 2710.0};
    for (std::size_t k = 0; k < kShimmer.size(); ++k)
        addPartial(s, 0.002, kShimmer[k], 0.14 / (1.0 + 0.3 * static_cast<double>(k)),
                   0.55 - 0.05 * static_cast<double>(k), 0.12 + 0.04 * static_cast<double>(k));
    s.resize(static_cast<std::size_t>(sampleCount(2.4)));
    return s;
}

Samples tink() {
    Samples s = silence(0.35);
    Noise noise(20);
    addPartial(s, 0.002, 3150.0, 1.0, 0.08);
    addPartial(s, 0.002, 7700.0, 0.4, 0.025);
    addPartial(s, 0.002, 11200.0, 0.2, 0.012);
    addBurst(s, noise, 0.002, 8000.0, 2.0, 0.0005, 0.2);
    s.resize(static_cast<std::size_t>(sampleCount(0.35)));
    return s;
}

Samples diceInCup() {
    constexpr double kLength = 0.95;
    Samples shake = silence(kLength);
    Noise noise(21);
    // Three shakes, each a flurry of dice knocking the cup and each other.
    for (const double start : {0.01, 0.21, 0.41}) {
        for (int i = 0; i < 14; ++i) {
            const double u = noise.uniform(0, 1);
            const double at = start + 0.14 * u;
            const double amp = std::sin(3.14159 * u) * noise.uniform(0.3, 1.0);
            addBurst(shake, noise, at, noise.uniform(2500, 5500), 3.0, noise.uniform(0.0015, 0.003),
                     amp);
            addPartial(shake, at, noise.uniform(1800, 3200), 0.3 * amp, 0.006);
        }
    }
    // The cup's hollow body rings along with every knock.
    Samples body = shake;
    filter(body, Biquad(Biquad::Kind::BandPass, 700.0, 6.0));
    mixAt(shake, body, 0.0, 2.0);
    // Then the four dice land on the table and bounce to rest.
    for (int die = 0; die < 4; ++die) {
        double at = 0.62 + 0.025 * die + noise.uniform(0, 0.02);
        double gap = 0.07;
        double amp = noise.uniform(0.7, 1.0);
        for (int bounce = 0; bounce < 3 && at < kLength - 0.03; ++bounce) {
            addBurst(shake, noise, at, noise.uniform(1200, 2200), 2.0, 0.004, amp);
            addPartial(shake, at, 350.0, 0.5 * amp, 0.01);
            addPartial(shake, at, noise.uniform(2300, 2800), 0.25 * amp, 0.008);
            at += gap;
            gap *= 0.6;
            amp *= 0.5;
        }
    }
    shake.resize(static_cast<std::size_t>(sampleCount(kLength)));
    return shake;
}

struct Recipe {
    Samples (*make)();
    double peak;    // of full scale; the quiet cues are the frequent ones
    double fadeOut; // seconds
};

// In the order of the cue table.
constexpr std::array<Recipe, kCueCount> kRecipes{{
    {diceInCup, 0.7, 0.04},
    {softClick, 0.4, 0.01},
    {crispClick, 0.55, 0.01},
    {spaceBar, 0.6, 0.02},
    {typewriterKey, 0.6, 0.03},
    {explosion, 0.85, 0.15},
    {sonarPing, 0.6, 0.1},
    {laser, 0.6, 0.05},
    {cashRegister, 0.7, 0.1},
    {cheer, 0.7, 0.35},
    {boing, 0.6, 0.08},
    {gong, 0.75, 0.5},
    {crowd, 0.65, 0.6},
    {tink, 0.45, 0.05},
}};

} // namespace

Samples synthesise(Cue cue) {
    const Recipe& recipe = kRecipes[static_cast<std::size_t>(cue)];
    Samples s = recipe.make();
    finish(s, recipe.peak, 0.002, recipe.fadeOut);
    // The sound server starts playing a stream only once about a quarter of a second of it is
    // buffered: a shorter cue would never be heard, so it ends in silence up to 0.3 s.
    s.resize(std::max(s.size(), static_cast<std::size_t>(sampleCount(0.3))));
    return s;
}

} // namespace tezzle::sound
