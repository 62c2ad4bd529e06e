#pragma once

#include <QStringList>

#include <optional>

namespace tezzle::frontend {

// A game started from the command line, skipping the set-up windows.
struct QuickStart {
    int players = 2;
    int computerLevel = 0; // the computer plays Red; the game then has two players
    int clock = 0;         // seconds each player has, 0 = no clocks
    bool sound = true;
};

struct Options {
    std::optional<QuickStart> quickStart; // none: open the title window
    QString error;                        // not empty: the arguments are wrong
};

Options parseOptions(const QStringList& arguments); // without the program's name
QString usage();

} // namespace tezzle::frontend
