#pragma once

#include "Choices.h"
#include "HighScoreWindow.h"
#include "OnePlayerWindow.h"
#include "Options.h"
#include "SetupWindow.h"
#include "TitleWindow.h"

#include "board/BoardWindow.h"
#include "help/Help.h"
#include "ui/Services.h"

#include <QObject>
#include <QPointer>

namespace tezzle::frontend {

// The windows of the program and the way between them. Each window exists at most once: it is
// made when first shown, which runs its load, destroyed when closed, and made afresh the next
// time. The rules pages and the Cheat Chart are help's registry, which the program holds.
class Program : public QObject {
    Q_OBJECT

public:
    // `settings` is the object the services show the windows read-only: the program alone
    // writes it.
    Program(const ui::Services& services, Settings& settings, QObject* parent = nullptr);
    ~Program() override;

    void start();                             // the title window
    void quickStart(const QuickStart& start); // a game at once
    // The picture the first window shows, for a start or a game at once, as things stand.
    std::string_view firstPicture(bool quickStart) const;

    TitleWindow* titleWindow() const { return title_; }
    SetupWindow* setupWindow() const { return setup_; }
    OnePlayerWindow* onePlayerWindow() const { return onePlayer_; }
    board::BoardWindow* boardWindow() const { return board_; }
    HighScoreWindow* highScoreWindow() const { return highScores_; }
    HighScoreTable& highScoreTable() { return highScoreTable_; }
    help::Help& help() { return help_; }

signals:
    void quitRequested(); // a window's "Exit" ends the program

private:
    void showTitle(bool afterGame);
    void showSetup();
    void showOnePlayer(const GameSetup& chosen);
    void openBoard(const GameStart& start);
    void showHighScores(int highPosition);
    void closeHighScores();

    void titleOk();
    void restartPreviousGame();
    void startGame(const GameSetup& setup);
    void playOnePlayer(const GameSetup& setup);
    void keepChoices(const Choices& choices);
    void offerHighScore(int blueScore, bool againstComputer);
    HighScoreRead readHighScoreFile();
    void click();

    const ui::Services& services_;
    Settings& settings_;
    Choices choices_;               // the set-up's boxes, kept between runs
    HighScoreTable highScoreTable_; // as last read or stored
    help::Help help_;
    QPointer<TitleWindow> title_;
    QPointer<SetupWindow> setup_;
    QPointer<OnePlayerWindow> onePlayer_;
    QPointer<board::BoardWindow> board_;
    QPointer<HighScoreWindow> highScores_;
    QString saveFailure_; // told on the title window the board's Exit opens
    QString damagedCopy_; // where a store kept the damaged high score file, told on High Scores
};

} // namespace tezzle::frontend
