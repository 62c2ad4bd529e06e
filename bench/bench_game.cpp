// How fast whole games run without a window: a turn of the engine alone, and whole simulated
// games as tezzle-sim plays them (scripted players, invariants checked after every call).

#include "core/Game.h"
#include "core/PathSearch.h"
#include "core/Simulation.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr tezzle::GameSetup kTwoPlayers{.numPlayers = 2, .soundOn = 0};

// One turn: throw, the dice animation (about 200 ticks), a click, the change of turn.
void engineTurn(benchmark::State& state) {
    tezzle::SeededRandom random(11);
    const tezzle::ConnArray connarray = tezzle::gridConnArray();
    auto game = std::make_unique<tezzle::Game>(kTwoPlayers, connarray, random);
    for (auto _ : state) {
        if (!game->running()) {
            state.PauseTiming();
            game = std::make_unique<tezzle::Game>(kTwoPlayers, connarray, random);
            state.ResumeTiming();
        }
        game->throwDice();
        game->advance(1050);
        tezzle::NumberSet free = game->state().allowed;
        game->state().covered.forEach([&](int n) { free.reset(n); });
        game->clickNumber(free.first());
        game->advance(2000);
        benchmark::DoNotOptimize(game->state().turnCounter);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(engineTurn);

void simulatedGame(benchmark::State& state) {
    tezzle::SimulationConfig config;
    config.setup.numPlayers = 2;
    config.setup.computerLevel = static_cast<std::int16_t>(state.range(0));
    config.setup.timeAllowed = static_cast<std::int16_t>(state.range(1));
    const tezzle::ConnArray connarray = tezzle::gridConnArray();
    tezzle::SeededRandom gameRandom(3);
    tezzle::SeededRandom playerRandom(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(tezzle::playGame(config, connarray, gameRandom, playerRandom));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(simulatedGame)
    ->ArgNames({"computer", "clock"})
    ->Args({0, 0})
    ->Args({3, 0})
    ->Args({0, 60});

} // namespace

BENCHMARK_MAIN();
