// tezzle-sim: plays whole games without a window, at virtual speed, and prints one summary line.

#include "core/Simulation.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

const char* const kUsage =
    "usage: tezzle-sim [--games N] [--players 1-4] [--computer 0-3] [--blue 0-3]\n"
    "                  [--clock SECONDS] [--seed S] [--sound 0|1]\n";

bool parseNumber(const char* text, long long lo, long long hi, long long& value) {
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc{} && stop == end && value >= lo && value <= hi;
}

} // namespace

int main(int argc, char** argv) {
    tezzle::SimulationConfig config;
    long long games = 1000;
    long long seed = 1;
    long long players = 2;
    long long computer = 0;
    long long blue = 0;
    long long clock = 0;
    long long sound = 0;
    struct Option {
        std::string_view name;
        long long lo;
        long long hi;
        long long* value;
    };
    const Option options[] = {
        {"--games", 1, 100'000'000, &games}, {"--players", 1, 4, &players},
        {"--computer", 0, 3, &computer},     {"--blue", 0, 3, &blue},
        {"--clock", 0, 32767, &clock},       {"--seed", 0, INT64_MAX, &seed},
        {"--sound", 0, 1, &sound},
    };
    for (int i = 1; i < argc; ++i) {
        const Option* match = nullptr;
        for (const Option& o : options)
            if (o.name == argv[i])
                match = &o;
        if (match == nullptr || i + 1 >= argc ||
            !parseNumber(argv[i + 1], match->lo, match->hi, *match->value)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        ++i;
    }
    if (computer > 0 && players != 2) {
        std::fputs("tezzle-sim: a game against the computer has two players\n", stderr);
        return 2;
    }
    config.setup.numPlayers = static_cast<std::int16_t>(players);
    config.setup.computerLevel = static_cast<std::int16_t>(computer);
    config.blueLevel = static_cast<int>(blue);
    config.setup.timeAllowed = static_cast<std::int16_t>(clock);
    config.setup.soundOn = sound == 1 ? 1 : 0;

    const auto start = std::chrono::steady_clock::now();
    const tezzle::SimulationSummary s =
        tezzle::simulate(config, static_cast<int>(games), static_cast<std::uint64_t>(seed));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("games %d  path %d  time %d  mean moves %.1f  wins", s.games, s.byPath, s.byTime,
                s.games > 0 ? static_cast<double>(s.moves) / s.games : 0.0);
    static const char* const kNames[] = {"Blue", "Red", "Green", "Yellow"};
    for (int p = 0; p < config.setup.numPlayers; ++p)
        std::printf(" %s %.1f%%", kNames[p], s.games > 0 ? 100.0 * s.wins[p] / s.games : 0.0);
    std::printf("  violations %lld  games/s %.0f\n", s.violations,
                seconds > 0 ? s.games / seconds : 0.0);
    if (!s.firstViolation.empty())
        std::fprintf(stderr, "first violation: %s\n", s.firstViolation.c_str());
    return s.violations == 0 ? 0 : 1;
}
