#include "Options.h"

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
        "  --players N   start a game of N players (1 to 4) at once\n"
        "  --computer L  one player against the computer, which plays Red, at level L (1 to 3)\n"
        "  --clock S     S seconds on each player's clock (0 = no clocks, else 5 to 9999)\n"
        "  --no-sound    no sound cues\n"
        "Without options the game opens on its title window.\n");
}

Options parseOptions(const QStringList& arguments) {
    Options options;
    QuickStart start;
    bool any = false;
    std::optional<int> players;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--no-sound")) {
            start.sound = false;
            any = true;
            continue;
        }
        const bool takesValue = option == QLatin1String("--players") ||
                                option == QLatin1String("--computer") ||
                                option == QLatin1String("--clock");
        if (!takesValue || i + 1 >= arguments.size()) {
            options.error = takesValue ? QStringLiteral("%1 needs a value").arg(option)
                                       : QStringLiteral("unknown option %1").arg(option);
            return options;
        }
        const QString& value = arguments[++i];
        std::optional<int> parsed;
        if (option == QLatin1String("--players"))
            parsed = players = number(value, 1, 4);
        else if (option == QLatin1String("--computer"))
            parsed = number(value, 1, 3);
        else
            parsed = number(value, 0, 9999);
        if (!parsed || (option == QLatin1String("--clock") && *parsed > 0 && *parsed < 5)) {
            options.error = QStringLiteral("bad value %1 for %2").arg(value, option);
            return options;
        }
        if (option == QLatin1String("--computer"))
            start.computerLevel = *parsed;
        else if (option == QLatin1String("--clock"))
            start.clock = *parsed;
        any = true;
    }
    if (start.computerLevel != 0) {
        if (players && *players != 1 && *players != 2) {
            options.error = QStringLiteral("a game against the computer has one human player");
            return options;
        }
        start.players = 2;
    } else if (players) {
        start.players = *players;
    }
    if (any)
        options.quickStart = start;
    return options;
}

} // namespace tezzle::frontend
