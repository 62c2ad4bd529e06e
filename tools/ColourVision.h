#pragma once

// How colours look to players without one kind of cone, and how far apart two colours look:
// for checking that the game's pieces stay apart (the colour-vision tool and the tests).
// Simulation by Machado, Oliveira and Fernandes (2009) at full severity, in linear RGB;
// differences by CIEDE2000 in CIELAB under D65.

#include "ui/Contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tezzle::vision {

enum class Deficiency { None, Protanopia, Deuteranopia, Tritanopia };

using Srgb = std::array<std::uint8_t, 3>;
using Triple = std::array<double, 3>;

inline std::uint8_t fromLinear(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double v = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(v * 255));
}

inline Srgb simulate(Srgb c, Deficiency d) {
    using Matrix = std::array<Triple, 3>;
    static constexpr std::array<Matrix, 3> kMatrices{{
        {{{0.152286, 1.052583, -0.204868},
          {0.114503, 0.786281, 0.099216},
          {-0.003882, -0.048116, 1.051998}}},
        {{{0.367322, 0.860646, -0.227968},
          {0.280085, 0.672501, 0.047413},
          {-0.011820, 0.042940, 0.968881}}},
        {{{1.255528, -0.076749, -0.178779},
          {-0.078411, 0.930809, 0.147602},
          {0.004733, 0.691367, 0.303900}}},
    }};
    if (d == Deficiency::None)
        return c;
    const Matrix& m = kMatrices[static_cast<std::size_t>(d) - 1];
    const Triple lin{ui::linearChannel(c[0]), ui::linearChannel(c[1]), ui::linearChannel(c[2])};
    Srgb out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = fromLinear(m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2]);
    return out;
}

inline Triple toLab(Srgb c) {
    const double r = ui::linearChannel(c[0]), g = ui::linearChannel(c[1]),
                 b = ui::linearChannel(c[2]);
    const Triple xyz{(0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047,
                     0.2126729 * r + 0.7151522 * g + 0.0721750 * b,
                     (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883};
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(xyz[1]) - 16, 500 * (f(xyz[0]) - f(xyz[1])), 200 * (f(xyz[1]) - f(xyz[2]))};
}

inline double deltaE2000(const Triple& lab1, const Triple& lab2) {
    constexpr double kPi = std::numbers::pi;
    auto deg = [](double rad) {
        return rad * 180 / kPi;
    };
    auto rad = [](double d) {
        return d * kPi / 180;
    };
    const double c1 = std::hypot(lab1[1], lab1[2]), c2 = std::hypot(lab2[1], lab2[2]);
    const double cMean7 = std::pow((c1 + c2) / 2, 7);
    const double g = 0.5 * (1 - std::sqrt(cMean7 / (cMean7 + std::pow(25.0, 7))));
    const double a1 = (1 + g) * lab1[1], a2 = (1 + g) * lab2[1];
    const double cp1 = std::hypot(a1, lab1[2]), cp2 = std::hypot(a2, lab2[2]);
    auto hue = [&](double b, double a) {
        const double h = deg(std::atan2(b, a));
        return h < 0 ? h + 360 : h;
    };
    const double h1 = cp1 == 0 ? 0 : hue(lab1[2], a1), h2 = cp2 == 0 ? 0 : hue(lab2[2], a2);
    double dh = 0;
    if (cp1 * cp2 != 0)
        dh = std::abs(h2 - h1) <= 180 ? h2 - h1 : (h2 - h1 > 180 ? h2 - h1 - 360 : h2 - h1 + 360);
    const double dL = lab2[0] - lab1[0], dC = cp2 - cp1;
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(rad(dh / 2));
    const double lMean = (lab1[0] + lab2[0]) / 2, cpMean = (cp1 + cp2) / 2;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0)
        hMean = std::abs(h1 - h2) <= 180 ? hMean / 2
                                         : (hMean < 360 ? (hMean + 360) / 2 : (hMean - 360) / 2);
    const double t = 1 - 0.17 * std::cos(rad(hMean - 30)) + 0.24 * std::cos(rad(2 * hMean)) +
                     0.32 * std::cos(rad(3 * hMean + 6)) - 0.20 * std::cos(rad(4 * hMean - 63));
    const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sc = 1 + 0.045 * cpMean, sh = 1 + 0.015 * cpMean * t;
    const double cpMean7 = std::pow(cpMean, 7);
    const double rt = -2 * std::sqrt(cpMean7 / (cpMean7 + std::pow(25.0, 7))) *
                      std::sin(rad(60 * std::exp(-std::pow((hMean - 275) / 25, 2))));
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) +
                     rt * (dC / sc) * (dH / sh));
}

} // namespace tezzle::vision
