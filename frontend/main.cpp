// Tezzle!: opens the title window, or with options a game at once.

#include "ActionScript.h"
#include "FirstPaint.h"
#include "Options.h"
#include "Program.h"
#include "TitleWindow.h"
#include "WarmUp.h"

#include "board/BoardOptions.h"
#include "ui/Accessibility.h"
#include "ui/CuePlayer.h"
#include "ui/Fonts.h"
#include "ui/TimerDriver.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

// Qt ends the process with a core dump and a paragraph about plugins when no window system
// answers. While the application is being made, its messages wait here: a fatal one becomes one
// line and status 1; once the window system has answered, the others go out as they came.
struct DisplayGuard {
    static inline QtMessageHandler previous = nullptr;
    static inline QString noDisplay; // in the player's words, made before Qt starts
    static inline std::vector<std::pair<QtMsgType, QString>> held;

    static void handle(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtFatalMsg) {
            held.emplace_back(type, message);
            return;
        }
        std::fputs(qPrintable(noDisplay), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }

    static std::unique_ptr<QApplication> open(int& argc, char** argv,
                                              const tezzle::ui::Translations& words) {
        noDisplay = words.translate(
            "main", QT_TRANSLATE_NOOP("main", "tezzle: no display to open a window on (DISPLAY or "
                                              "WAYLAND_DISPLAY is not set, or does not answer)\n"));
        previous = qInstallMessageHandler(handle);
        auto app = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
        for (const auto& [type, message] : held)
            previous(type, QMessageLogContext(), message);
        held.clear();
        return app;
    }
};

} // namespace

int main(int argc, char** argv) {
    using namespace tezzle;
    // Help, version and a wrong option are answered before any window system is asked for.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The run-time files and the player's words, found before any application object exists.
    const ui::DataFolder data = ui::DataFolder::besideProgram();
    ui::Translations words(data.path("translations"));
    frontend::Options options = frontend::parseOptions(arguments);
    if (options.help || options.version || !options.error.isEmpty()) {
        const QCoreApplication core(argc, argv);
        words.install();
        options = frontend::parseOptions(arguments); // its error in the player's words
        if (!options.error.isEmpty()) {
            std::fprintf(stderr, "tezzle: %s\n%s", qPrintable(options.error),
                         qPrintable(frontend::usage()));
            return 2;
        }
        const QString text = options.help ? frontend::usage() : frontend::versionLine() + '\n';
        std::fputs(qPrintable(text), stdout);
        return 0;
    }

    // The plain board's picture for a game at once: the player's choices are read with the
    // application object.
    frontend::WarmUp warmUp(data, options.quickStart ? board::boardPicture({})
                                                     : frontend::TitleWindow::kPicture);
    // On X, Qt's shared-memory copy makes each repaint of a place wait for the server to finish
    // the last one (a round trip and two thread wake-ups per frame of a rolling die); the few
    // kilobytes a frame changes cost less sent through the socket.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    const std::unique_ptr<QApplication> application = DisplayGuard::open(argc, argv, words);
    QApplication& app = *application;
    words.install();
    // The desktop finds the game's menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TEZZLE_APP_ID));
    // Saves live in ~/.local/share/tezzle/ on Linux, whatever the program is started as.
    QApplication::setApplicationName(QStringLiteral("tezzle"));
    // No display name: Qt would add it to every window's title, after the titles that already
    // name the game.
    // The player leaves by the windows' Exit buttons, never by closing the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    warmUp.awaitFonts();
    ui::loadFonts();
    ui::installAccessibility();
    Settings settings;
    // One generator for the whole run, seeded once.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(std::random_device{}()) << 32);
    SeededRandom random(seed);
    const ui::SteadyClock clock;
    ui::SoundCuePlayer sound(data.root());
    const std::unique_ptr<frontend::ActionScript> script =
        frontend::ActionScript::fromEnvironment(sound);
    ui::CuePlayer& cues = script ? static_cast<ui::CuePlayer&>(*script) : sound;
    const QDir saves(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const ui::Services services{
        settings, random, cues, clock, data, saves.filePath(QStringLiteral("lastgame.inf")),
        saves.filePath(QStringLiteral("highscores.txt")),
        // ~/.config/tezzle/tezzle.conf on Linux
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("tezzle.conf"))};

    frontend::Program program(services, settings);
    QObject::connect(&program, &frontend::Program::quitRequested, &app, &QApplication::quit);
    warmUp.keepPicture(data, program.firstPicture(options.quickStart.has_value()),
                       app.devicePixelRatio());
    if (options.quickStart)
        program.quickStart(*options.quickStart);
    else
        program.start();
    // The cues load once the first window is up, so sound costs nothing at start-up; with the
    // sound off they wait for the first cue wanted, which comes only once it is switched on.
    frontend::FirstPaint::then(app, [&sound, &settings] {
        if (settings.soundOn == 1)
            sound.preload();
    });
    return app.exec();
}
