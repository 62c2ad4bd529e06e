#include "Program.h"

#include "FileWords.h"
#include "HighScoreWindow.h"
#include "OnePlayerWindow.h"
#include "SetupWindow.h"
#include "TitleWindow.h"

#include "board/BoardWindow.h"
#include "files/AdjacencyFile.h"
#include "files/HighScores.h"
#include "files/SavedGameFile.h"
#include "ui/Centre.h"
#include "ui/CuePlayer.h"

#include <QTimer>

namespace tezzle::frontend {

namespace {

// Closes a window the program leaves, without the window's own close handling.
template <class Window> void dismiss(QPointer<Window>& window) {
    if (window) {
        window->hide();
        window->deleteLater();
    }
    window = nullptr;
}

} // namespace

Program::Program(const ui::Services& services, QObject* parent)
    : QObject(parent)
    , services_(services)
    , help_(services) {}

Program::~Program() {
    // The high score window stores a name being typed as it goes.
    delete highScores_;
    delete board_;
    delete onePlayer_;
    delete setup_;
    delete title_;
}

void Program::start() {
    showTitle(false);
}

void Program::quickStart(const QuickStart& start) {
    Settings& s = services_.settings;
    if (!readConnArray(services_.data.path("connarray.dat").toStdString(), s.connarray)
             .complete()) {
        showTitle(false); // which tells the player why no game can start
        return;
    }
    s.numPlayers = static_cast<std::int16_t>(start.players);
    s.computerLevel = static_cast<std::int16_t>(start.computerLevel);
    s.timeAllowed = static_cast<std::int16_t>(start.clock);
    s.soundOn = start.sound ? 1 : 0;
    s.restartGame = 0;
    s.board.fill(0);
    openBoard();
}

void Program::click() {
    if (services_.settings.soundOn == 1)
        services_.cues.play(Cue::Click);
}

void Program::showTitle(bool afterGame) {
    if (!title_) {
        title_ = new TitleWindow(services_);
        connect(title_, &TitleWindow::okClicked, this, [this] { titleOk(true); });
        connect(title_, &TitleWindow::pictureClicked, this, [this] { titleOk(false); });
        connect(title_, &TitleWindow::restartClicked, this, &Program::restartPreviousGame);
        connect(title_, &TitleWindow::exitClicked, this, &Program::quitRequested);
    }
    if (afterGame)
        title_->setCancel();
    if (!saveFailure_.isEmpty()) {
        title_->showMessage(tr("The game could not be saved: %1").arg(saveFailure_));
        saveFailure_.clear();
    }
    ui::bringToFront(*title_);
}

void Program::showSetup() {
    if (!setup_) {
        setup_ = new SetupWindow(services_);
        connect(setup_, &SetupWindow::playersChosen, this, &Program::startGame);
        connect(setup_, &SetupWindow::rulesClicked, this, [this] { help_.openRulesPage(1); });
        connect(setup_, &SetupWindow::highScoresClicked, this, [this] {
            closeHighScores();
            const QString problem = HighScoreWindow::describe(readHighScoreFile());
            services_.settings.highPosition = 0;
            showHighScores(0);
            highScores_->showMessage(
                damagedCopy_.isEmpty() ? problem : HighScoreWindow::damagedCopyKept(damagedCopy_));
        });
        connect(setup_, &SetupWindow::exitClicked, this, &Program::quitRequested);
    }
    ui::bringToFront(*setup_);
}

void Program::showOnePlayer() {
    if (!onePlayer_) {
        onePlayer_ = new OnePlayerWindow(services_);
        connect(onePlayer_, &OnePlayerWindow::soloClicked, this, &Program::playSolo);
        connect(onePlayer_, &OnePlayerWindow::computerClicked, this, &Program::playAgainstComputer);
        connect(onePlayer_, &OnePlayerWindow::exitClicked, this, [this] {
            showSetup();
            dismiss(onePlayer_);
        });
    }
    ui::bringToFront(*onePlayer_);
}

void Program::openBoard() {
    dismiss(board_); // a board never shown: nothing to save
    board_ = new board::BoardWindow(services_);
    board_->setAttribute(Qt::WA_DeleteOnClose);
    connect(board_, &board::BoardWindow::goToTitle, this, [this] {
        showTitle(true);
        click(); // after the title's load, which has switched the sound on
    });
    connect(board_, &board::BoardWindow::goToSetup, this, &Program::showSetup);
    connect(board_, &board::BoardWindow::cheatChartRequested, this,
            [this] { help_.openCheatChart(board_); });
    connect(board_, &board::BoardWindow::closeCheatChart, &help_, &help::Help::closeCheatChart);
    connect(board_, &board::BoardWindow::saveFailed, this,
            [this](const WriteResult& result) { saveFailure_ = saveProblem(result); });
    // Not from inside the board's handling of its events: the offer waits for the next turn of
    // the event loop.
    connect(
        board_, &board::BoardWindow::openHighScores, this,
        [this](int score, bool computer) { offerHighScore(score, computer); },
        Qt::QueuedConnection);
    ui::bringToFront(*board_);
}

void Program::titleOk(bool clearBoard) {
    Settings& s = services_.settings;
    s.restartGame = 0;
    if (clearBoard)
        s.board.fill(0);
    showSetup();
    dismiss(title_);
    click();
}

void Program::restartPreviousGame() {
    Settings& s = services_.settings;
    // Read again: the file may have gone bad since the title window looked at it.
    const SavedGameRead read = restoreSavedGame(services_.savedGamePath.toStdString(), s);
    if (!read.game) {
        s.restartGame = 0;
        title_->restartRefused(read);
        return;
    }
    s.restartGame = 1;
    openBoard();
    dismiss(title_);
    click(); // with the sound switch just restored
    s.restartGame = 0;
}

void Program::startGame(int players) {
    Settings& s = services_.settings;
    dismiss(board_);
    s.numPlayers = static_cast<std::int16_t>(players);
    s.soundOn = setup_->chosenSound();
    s.timeAllowed = setup_->chosenTimeAllowed();
    s.board.fill(0);
    if (players == 1)
        showOnePlayer();
    else
        openBoard();
    help_.closeRulesPages();
    dismiss(setup_);
    click();
}

void Program::playSolo() {
    services_.settings.numPlayers = 1;
    services_.settings.computerLevel = 0;
    openBoard();
    dismiss(onePlayer_);
    click();
}

void Program::playAgainstComputer() {
    services_.settings.computerLevel = static_cast<std::int16_t>(onePlayer_->chosenLevel());
    services_.settings.numPlayers = 2;
    openBoard();
    dismiss(onePlayer_);
    click();
}

HighScoreRead Program::readHighScoreFile() {
    // A missing or damaged file leaves the rows the program already holds.
    Settings& s = services_.settings;
    return readHighScores(services_.highScorePath.toStdString(), s.highNames, s.highScores);
}

void Program::offerHighScore(int blueScore, bool againstComputer) {
    Settings& s = services_.settings;
    closeHighScores(); // a row still being named is stored before the tables change
    readHighScoreFile();
    s.highPosition = checkhighscore(s.highNames, s.highScores, againstComputer,
                                    static_cast<std::int16_t>(blueScore));
    if (s.highPosition != 0)
        showHighScores(s.highPosition);
}

void Program::closeHighScores() {
    if (highScores_)
        highScores_->confirm();
    dismiss(highScores_);
}

void Program::showHighScores(int highPosition) {
    closeHighScores();
    highScores_ = new HighScoreWindow(services_, highPosition);
    highScores_->setAttribute(Qt::WA_DeleteOnClose);
    connect(highScores_, &HighScoreWindow::damagedFileKept, this,
            [this](const QString& path) { damagedCopy_ = path; });
    ui::bringToFront(*highScores_);
}

} // namespace tezzle::frontend
