#pragma once

#include "core/GameSetup.h"

#include <QStringList>

#include <optional>

namespace tezzle::frontend {

// A game started from the command line, skipping the set-up windows. With a computer level the
// computer plays Red, and the game has two players.
using QuickStart = GameSetup;

struct Options {
    std::optional<QuickStart> quickStart; // none: open the title window
    QString error;                        // not empty: the arguments are wrong
    bool help = false;                    // print the usage and end
    bool version = false;                 // print the version and end
};

// Reads the arguments (without the program's name) as `--opt value` or `--opt=value`. Needs no
// application object, so the program can answer before it opens a window.
Options parseOptions(const QStringList& arguments);
QString usage();
QString versionLine();

} // namespace tezzle::frontend
