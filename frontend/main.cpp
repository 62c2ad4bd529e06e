// Tezzle!: opens the title window, or with options a game at once.

#include "ActionScript.h"
#include "FirstPaint.h"
#include "Options.h"
#include "Program.h"

#include "ui/Accessibility.h"
#include "ui/CuePlayer.h"
#include "ui/Fonts.h"
#include "ui/TimerDriver.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>

int main(int argc, char** argv) {
    using namespace tezzle;
    QApplication app(argc, argv);
    // The desktop finds the game's menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TEZZLE_APP_ID));
    // Saves live in ~/.local/share/tezzle/ on Linux, whatever the program is started as.
    QApplication::setApplicationName(QStringLiteral("tezzle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tezzle!"));
    // The player leaves by the windows' Exit buttons, never by closing the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    const frontend::Options options = frontend::parseOptions(app.arguments().mid(1));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tezzle: %s\n%s", qPrintable(options.error),
                     qPrintable(frontend::usage()));
        return 2;
    }

    ui::loadFonts();
    ui::installAccessibility();
    Settings settings;
    // One generator for the whole run, seeded once.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(std::random_device{}()) << 32);
    SeededRandom random(seed);
    const ui::SteadyClock clock;
    const ui::DataFolder data = ui::DataFolder::besideProgram();
    ui::SoundCuePlayer sound(data.root());
    const std::unique_ptr<frontend::ActionScript> script =
        frontend::ActionScript::fromEnvironment(sound);
    ui::CuePlayer& cues = script ? static_cast<ui::CuePlayer&>(*script) : sound;
    const QDir saves(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const ui::Services services{settings,
                                random,
                                cues,
                                clock,
                                data,
                                saves.filePath(QStringLiteral("lastgame.inf")),
                                saves.filePath(QStringLiteral("highscores.txt"))};

    frontend::Program program(services);
    QObject::connect(&program, &frontend::Program::quitRequested, &app, &QApplication::quit);
    if (options.quickStart)
        program.quickStart(*options.quickStart);
    else
        program.start();
    // The cues load once the first window is up, so sound costs nothing at start-up.
    frontend::FirstPaint::then(app, [&sound] { sound.preload(); });
    return app.exec();
}
