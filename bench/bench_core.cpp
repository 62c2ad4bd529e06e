// How long the rules take: the makeable numbers of a throw, the triangle bonus, the path search.

#include "core/PathSearch.h"
#include "core/Reachable.h"
#include "core/Tezzle.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::vector<tezzle::Dice> randomThrows(int count) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> face(1, 6);
    std::vector<tezzle::Dice> throws(static_cast<std::size_t>(count));
    for (auto& d : throws)
        d = {face(random), face(random), face(random), face(random)};
    return throws;
}

// allowed for one throw, as the game fills it: chains, then pairs.
void allowedForOneThrow(benchmark::State& state) {
    const auto throws = randomThrows(1024);
    std::size_t i = 0;
    tezzle::NumberSet allowed;
    for (auto _ : state) {
        const auto& dice = throws[i++ & 1023];
        tezzle::allowednumbers(dice, allowed);
        tezzle::allowednumbers2(dice, allowed);
        benchmark::DoNotOptimize(allowed);
    }
}
BENCHMARK(allowedForOneThrow);

// The walk over every expression that the lookup stands in for.
void exactSearchForOneThrow(benchmark::State& state) {
    const auto throws = randomThrows(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& dice = throws[i++ & 1023];
        benchmark::DoNotOptimize(tezzle::searchChains(dice) | tezzle::searchPairings(dice));
    }
}
BENCHMARK(exactSearchForOneThrow);

void checktezzleOnHalfCoveredBoard(benchmark::State& state) {
    std::mt19937 random(11);
    std::vector<int> numbers(100);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    tezzle::NumberSet covered;
    for (int i = 0; i < 50; ++i)
        covered.set(numbers[static_cast<std::size_t>(i)]);
    int n = 0;
    for (auto _ : state) {
        n = n % 100 + 1;
        benchmark::DoNotOptimize(tezzle::checktezzle(n, covered));
    }
}
BENCHMARK(checktezzleOnHalfCoveredBoard);

// Boards of 60 covered hexagons, 1 and 100 among them, with and without a chain.
void findPathWithSixtyCovered(benchmark::State& state) {
    std::mt19937 random(13);
    const tezzle::ConnArray grid = tezzle::gridConnArray();
    struct Board {
        std::array<std::int16_t, 101> cells{};
    };
    std::vector<Board> boards(64);
    for (Board& b : boards) {
        std::vector<int> numbers;
        for (int n = 2; n < 100; ++n)
            numbers.push_back(n);
        std::shuffle(numbers.begin(), numbers.end(), random);
        numbers.resize(58);
        numbers.push_back(1);
        numbers.push_back(100);
        std::shuffle(numbers.begin(), numbers.end(), random);
        for (std::size_t i = 0; i < numbers.size(); ++i)
            b.cells[i] = static_cast<std::int16_t>(numbers[i]);
    }
    std::size_t i = 0;
    int found = 0;
    for (auto _ : state) {
        tezzle::PathSearch search;
        search.findPath(grid, boards[i++ & 63].cells, 61);
        found += search.pathFound;
    }
    benchmark::DoNotOptimize(found);
}
BENCHMARK(findPathWithSixtyCovered);

} // namespace

BENCHMARK_MAIN();
