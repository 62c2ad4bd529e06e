#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tezzle::frontend {

namespace {

// A whole number within [low, high], or none.
std::optional<int> number(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

QString usage() {
    return QCoreApplication::translate(
        "Options",
        "usage: tezzle [--players N] [--computer L] [--clock S] [--no-sound]\n"
        "       tezzle --help | --version\n"
        "  --players N   start a game of N players (1 to 4) at once\n"
        "  --computer L  one player against the computer, which plays Red, at level L (1 "
        "to 3)\n"
        "  --clock S     S seconds on each player's clock (0 = no clocks, else 5 to 9999)\n"
        "  --no-sound    no sound cues\n"
        "  -h, --help    print this and end\n"
        "  --version     print the game's version and end\n"
        "An option's value may also follow an equals sign: --players=3.\n"
        "Without options the game opens on its title window.\n");
}

QString versionLine() {
    return QCoreApplication::translate("Options", "Tezzle! %1").arg(QStringLiteral(TEZZLE_VERSION));
}

Options parseOptions(const QStringList& arguments) {
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version(QStringLiteral("version"), {});
    const QCommandLineOption players(QStringLiteral("players"), {}, QStringLiteral("N"));
    const QCommandLineOption computer(QStringLiteral("computer"), {}, QStringLiteral("L"));
    const QCommandLineOption clock(QStringLiteral("clock"), {}, QStringLiteral("S"));
    const QCommandLineOption noSound(QStringLiteral("no-sound"), {});
    QCommandLineParser parser;
    parser.addOptions({help, version, players, computer, clock, noSound});

    Options options;
    if (!parser.parse(QStringList{QStringLiteral("tezzle")} + arguments)) {
        options.error = parser.errorText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error = QCoreApplication::translate("Options", "unexpected argument %1")
                            .arg(parser.positionalArguments().front());
        return options;
    }
    options.help = parser.isSet(help);
    options.version = parser.isSet(version);
    if (options.help || options.version)
        return options;

    // Each value within its range, or the first one out of it is the error.
    const struct {
        const QCommandLineOption& option;
        int low;
        int high;
    } ranges[3] = {{players, 1, 4}, {computer, 1, 3}, {clock, 0, 9999}};
    std::optional<int> values[3];
    for (int i = 0; i < 3; ++i) {
        const QCommandLineOption& option = ranges[i].option;
        if (!parser.isSet(option))
            continue;
        const QString value = parser.value(option);
        values[i] = number(value, ranges[i].low, ranges[i].high);
        // A clock runs at least 5 seconds, or not at all.
        if (!values[i] || (i == 2 && *values[i] > 0 && *values[i] < 5)) {
            options.error = QCoreApplication::translate("Options", "bad value %1 for --%2")
                                .arg(value, option.names().front());
            return options;
        }
    }
    QuickStart start{.numPlayers = 2};
    const auto& [chosenPlayers, level, seconds] = values;
    start.soundOn = parser.isSet(noSound) ? 0 : 1;
    start.timeAllowed = static_cast<std::int16_t>(seconds.value_or(0));
    if (level) {
        if (chosenPlayers && *chosenPlayers != 1 && *chosenPlayers != 2) {
            options.error = QCoreApplication::translate(
                "Options", "a game against the computer has one human player");
            return options;
        }
        start = start.againstComputer(*level);
    } else if (chosenPlayers) {
        start.numPlayers = static_cast<std::int16_t>(*chosenPlayers);
    }
    if (chosenPlayers || level || seconds || start.soundOn == 0)
        options.quickStart = start;
    return options;
}

} // namespace tezzle::frontend
