#pragma once

#include "ui/CuePlayer.h"
#include "ui/TimerDriver.h"

#include <QObject>
#include <QSet>
#include <QSocketNotifier>

#include <memory>
#include <string>

namespace tezzle::frontend {

// A way for bench/play-under-load to play the real program and time what it does. With
// TEZZLE_ACTIONS set, the program reads one command a line from its standard input:
//   click <object name>   a left click on the visible control of that name, in any window, or
//                         in one: <window's object name>/<object name>
//   name <object name>    prints "name <object name> <its accessible name>" (a die's value)
// and prints on its standard output, each with the monotonic clock's seconds:
//   did <t> click <name>  the moment a click was made ("missing <name>" when there is none)
//   cue <t> <file>        the game asked for a sound cue
//   shown <t> <w> <n>     the board or a rules page drew a frame with n dice settled (n
//                         changed); a die settling on the face it last rolled paints nothing,
//                         so the frame is told by the window's time driver, not by a paint
// Only input and reports: the program plays exactly as it does without it.
class ActionScript final : public QObject, public ui::CuePlayer {
public:
    // None unless TEZZLE_ACTIONS is set. `cues` plays the cues it reports.
    static std::unique_ptr<ActionScript> fromEnvironment(ui::CuePlayer& cues);

    void play(Cue cue) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ActionScript(ui::CuePlayer& cues);
    void readCommands();
    void report(QWidget* window);
    void follow(ui::TimerDriver& driver, QWidget* window);
    void run(const QString& command, const QString& name);

    ui::CuePlayer& cues_;
    QSocketNotifier input_;
    std::string pending_;
    int boardShown_ = -1;
    int demoShown_ = -1;
    QSet<const ui::TimerDriver*> followed_;
};

} // namespace tezzle::frontend
