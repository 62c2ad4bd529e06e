#pragma once

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
    explicit Program(const ui::Services& services, QObject* parent = nullptr);
    ~Program() override;

    void start();                             // the title window
    void quickStart(const QuickStart& start); // a game at once

    TitleWindow* titleWindow() const { return title_; }
    SetupWindow* setupWindow() const { return setup_; }
    OnePlayerWindow* onePlayerWindow() const { return onePlayer_; }
    board::BoardWindow* boardWindow() const { return board_; }
    HighScoreWindow* highScoreWindow() const { return highScores_; }
    help::Help& help() { return help_; }

signals:
    void quitRequested(); // a window's "Exit" ends the program

private:
    void showTitle(bool afterGame);
    void showSetup();
    void showOnePlayer();
    void openBoard();
    void showHighScores(int highPosition);
    void closeHighScores();

    void titleOk(bool clearBoard);
    void restartPreviousGame();
    void startGame(int players);
    void playSolo();
    void playAgainstComputer();
    void offerHighScore(int blueScore, bool againstComputer);
    HighScoreRead readHighScoreFile();
    void click();

    const ui::Services& services_;
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
