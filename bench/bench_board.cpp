// The board window on screen (offscreen here): opening it with its first paint, the processor
// time of one whole turn as a share of the turn's length, and the timer wake-ups of a board
// waiting for a throw.

#include "board/BoardWindow.h"
#include "core/PathSearch.h"
#include "ui/CuePlayer.h"
#include "ui/Fonts.h"
#include "ui/TimerDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {

using namespace tezzle;

class HandClock final : public ui::Clock {
public:
    Millis now() const override { return now_; }
    Millis now_ = 0;
};

class Silence final : public ui::CuePlayer {
public:
    void play(Cue) override {}
};

struct Program {
    Program()
        : services{settings,
                   random,
                   cues,
                   clock,
                   ui::DataFolder(TEZZLE_BIN_DIR "/data"),
                   folder.filePath("lastgame.inf"),
                   folder.filePath("highscores.txt"),
                   folder.filePath("tezzle.conf")} {
        settings.soundOn = 1;
        settings.connarray = gridConnArray();
    }
    QTemporaryDir folder;
    Settings settings;
    GameSetup setup{.numPlayers = 2, .soundOn = 1};
    SeededRandom random{7};
    Silence cues;
    HandClock clock;
    ui::Services services;
};

void boardOpensAndPaints(benchmark::State& state) {
    Program p;
    for (auto _ : state) {
        board::BoardWindow window(p.services, p.setup);
        window.show();
        benchmark::DoNotOptimize(window.grab()); // the first paint of the whole window
    }
}
BENCHMARK(boardOpensAndPaints)->Unit(benchmark::kMillisecond);

// Lets time pass as the program's timer would, painting what changed after every wake-up.
void runFor(Program& p, board::BoardWindow& window, Millis ms) {
    const Millis until = p.clock.now_ + ms;
    while (const std::optional<Millis> due = window.driver().nextWakeAt()) {
        if (*due > until)
            break;
        p.clock.now_ = std::max(p.clock.now_, *due);
        window.driver().sync();
        QCoreApplication::processEvents();
    }
    p.clock.now_ = until;
}

// Throw, the dice rolling and shown one by one, a click, the counter's flash, the change of
// turn: processor time over the 4.25 s the turn lasts on screen.
void turnOnScreen(benchmark::State& state) {
    Program p;
    auto window = std::make_unique<board::BoardWindow>(p.services, p.setup);
    window->show();
    QCoreApplication::processEvents();
    double cpuSeconds = 0;
    for (auto _ : state) {
        if (!window->game().running() || !window->game().state().throwDiceEnabled) {
            state.PauseTiming();
            window = std::make_unique<board::BoardWindow>(p.services, p.setup);
            window->show();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        const std::clock_t start = std::clock();
        window->throwDice();
        QCoreApplication::processEvents();
        runFor(p, *window, 2250);
        NumberSet free = window->game().state().allowed;
        window->game().state().covered.forEach([&](int n) { free.reset(n); });
        window->clickNumber(free.first());
        QCoreApplication::processEvents();
        runFor(p, *window, 2000);
        cpuSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    state.counters["shareOfOneCore"] =
        cpuSeconds / (4.25 * static_cast<double>(state.iterations()));
}
BENCHMARK(turnOnScreen)->Unit(benchmark::kMillisecond);

// Counts the timer events the whole program receives in 10 s of a board waiting for a throw.
class TimerCount final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
    int count = 0;
};

void idleBoardWakeUps(benchmark::State& state) {
    Program p;
    ui::SteadyClock steady;
    board::BoardWindow window(ui::Services{p.settings, p.random, p.cues, steady, p.services.data,
                                           p.services.savedGamePath, p.services.highScorePath,
                                           p.services.choicesPath},
                              p.setup);
    window.show();
    QCoreApplication::processEvents();
    TimerCount timers;
    for (auto _ : state) {
        qApp->installEventFilter(&timers);
        QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        qApp->removeEventFilter(&timers);
    }
    state.counters["wakeUpsIn10s"] = timers.count - 1; // the benchmark's own 10 s timer
}
BENCHMARK(idleBoardWakeUps)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::loadFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
