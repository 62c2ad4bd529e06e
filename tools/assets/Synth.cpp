#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace tezzle::sound {

int sampleCount(double seconds) {
    return static_cast<int>(std::lround(seconds * kRate));
}

Samples silence(double seconds) {
    return Samples(static_cast<std::size_t>(sampleCount(seconds)), 0.0f);
}

double Noise::uniform(double low, double high) {
    // From the raw 32-bit draws rather than a standard distribution, whose algorithm is left
    // to each library: the cues come out the same everywhere.
    const double unit = static_cast<double>(engine()) / 4294967296.0;
    return low + (high - low) * unit;
}

void Biquad::tune(double frequency, double q) {
    const double w = kTwoPi * std::clamp(frequency, 10.0, 0.45 * kRate) / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    switch (kind) {
    case Kind::LowPass:
        b0 = (1.0 - c) / 2.0;
        b1 = 1.0 - c;
        b2 = b0;
        break;
    case Kind::HighPass:
        b0 = (1.0 + c) / 2.0;
        b1 = -(1.0 + c);
        b2 = b0;
        break;
    case Kind::BandPass: // peak gain 1 at the centre
        b0 = alpha;
        b1 = 0.0;
        b2 = -alpha;
        break;
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 = -2.0 * c / a0;
    a2 = (1.0 - alpha) / a0;
}

double Biquad::process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

void mixAt(Samples& out, const Samples& in, double at, double gain) {
    const auto start = static_cast<std::size_t>(std::max(0, sampleCount(at)));
    if (out.size() < start + in.size())
        out.resize(start + in.size(), 0.0f);
    for (std::size_t i = 0; i < in.size(); ++i)
        out[start + i] += static_cast<float>(gain * in[i]);
}

void addPartial(Samples& out, double at, double frequency, double amplitude, double decay,
                double attack) {
    const int length = sampleCount(std::min(decay * 9.0, 6.0));
    Samples tone(static_cast<std::size_t>(length));
    double phase = 0.0;
    for (int i = 0; i < length; ++i) {
        const double t = i / kRate;
        const double rise = t < attack ? 0.5 - 0.5 * std::cos(kTwoPi * 0.5 * t / attack) : 1.0;
        tone[static_cast<std::size_t>(i)] =
            static_cast<float>(amplitude * rise * std::exp(-t / decay) * std::sin(phase));
        phase += kTwoPi * frequency / kRate;
    }
    mixAt(out, tone, at);
}

void addBurst(Samples& out, Noise& noise, double at, double centre, double q, double decay,
              double amplitude) {
    const int length = sampleCount(decay * 8.0 + 0.002);
    Biquad band(Biquad::Kind::BandPass, centre, q);
    Samples tick(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        const double t = i / kRate;
        const double rise = std::min(1.0, t / 0.0003);
        tick[static_cast<std::size_t>(i)] =
            static_cast<float>(band.process(noise.white() * rise * std::exp(-t / decay)));
    }
    // A narrow band passes little of white noise's energy; give every burst the same peak.
    float peak = 0.0f;
    for (const float v : tick)
        peak = std::max(peak, std::abs(v));
    if (peak > 0.0f)
        mixAt(out, tick, at, amplitude / peak);
}

void filter(Samples& s, Biquad f) {
    for (float& v : s)
        v = static_cast<float>(f.process(v));
}

void addVoice(Samples& out, double at, double length, const VoiceShape& shape) {
    // Formant centres of "ee" and "ah"; openness slides between them.
    constexpr double kClosed[3] = {300.0, 2250.0, 2950.0};
    constexpr double kOpen[3] = {760.0, 1300.0, 2550.0};
    constexpr double kGain[3] = {1.0, 0.55, 0.3};
    Biquad formants[3] = {{Biquad::Kind::BandPass, kOpen[0], 6.0},
                          {Biquad::Kind::BandPass, kOpen[1], 8.0},
                          {Biquad::Kind::BandPass, kOpen[2], 10.0}};
    const int count = sampleCount(length);
    Samples voice(static_cast<std::size_t>(count));
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double t = i / kRate;
        if (i % 32 == 0) {
            const double open = std::clamp(shape.openness(t), 0.0, 1.0);
            for (int k = 0; k < 3; ++k)
                formants[k].tune(kClosed[k] + (kOpen[k] - kClosed[k]) * open, 6.0 + 2.0 * k);
        }
        const double step = shape.pitch(t) / kRate;
        phase += step;
        phase -= std::floor(phase);
        // Sawtooth with the step at the wrap smoothed over one sample (polyBLEP), so its
        // upper harmonics do not fold back as a whine.
        double saw = 2.0 * phase - 1.0;
        if (phase < step) {
            const double x = phase / step;
            saw -= x + x - x * x - 1.0;
        } else if (phase > 1.0 - step) {
            const double x = (phase - 1.0) / step;
            saw -= x * x + x + x + 1.0;
        }
        double v = 0.0;
        for (int k = 0; k < 3; ++k)
            v += kGain[k] * formants[k].process(saw);
        voice[static_cast<std::size_t>(i)] = static_cast<float>(v * shape.loudness(t));
    }
    mixAt(out, voice, at);
}

void finish(Samples& s, double peak, double fadeIn, double fadeOut) {
    float largest = 0.0f;
    for (const float v : s)
        largest = std::max(largest, std::abs(v));
    if (largest > 0.0f)
        for (float& v : s)
            v = static_cast<float>(v * peak / largest);
    const int size = static_cast<int>(s.size());
    const int in = std::min(size / 2, sampleCount(fadeIn));
    const int out = std::min(size / 2, sampleCount(fadeOut));
    for (int i = 0; i < in; ++i)
        s[static_cast<std::size_t>(i)] *=
            static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * 0.5 * i / in));
    for (int i = 0; i < out; ++i)
        s[static_cast<std::size_t>(size - 1 - i)] *=
            static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * 0.5 * i / out));
}

} // namespace tezzle::sound
