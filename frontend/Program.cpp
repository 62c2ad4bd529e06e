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

Program::Program(const ui::Services& services, Settings& settings, QObject* parent)
    : QObject(parent)
    , services_(services)
    , settings_(settings)
    , choices_(loadChoices(services.choicesPath))
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
    if (!readConnArray(services_.data.path("connarray.dat").toStdString(), settings_.connarray)
             .complete()) {
        showTitle(false); // which tells the player why no game can start
        return;
    }
    settings_.soundOn = start.soundOn;
    openBoard(start);
}

std::string_view Program::firstPicture(bool quickStart) const {
    return quickStart ? board::boardPicture({.showWorking = choices_.showWorking,
                                             .colourMarks = choices_.colourMarks})
                      : TitleWindow::kPicture;
}

void Program::click() {
    if (settings_.soundOn == 1)
        services_.cues.play(Cue::Click);
}

void Program::showTitle(bool afterGame) {
    if (!title_) {
        title_ = new TitleWindow(services_);
        // The title's load switches the sound on and reads the board adjacency table.
        settings_.soundOn = 1;
        settings_.connarray = title_->connarray();
        connect(title_, &TitleWindow::okClicked, this, &Program::titleOk);
        connect(title_, &TitleWindow::pictureClicked, this, &Program::titleOk);
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
        setup_ = new SetupWindow(services_, choices_);
        connect(setup_, &SetupWindow::choicesChanged, this, &Program::keepChoices);
        connect(setup_, &SetupWindow::setupChosen, this, &Program::startGame);
        connect(setup_, &SetupWindow::rulesClicked, this, [this] { help_.openRulesPage(1); });
        connect(setup_, &SetupWindow::highScoresClicked, this, [this] {
            closeHighScores();
            const QString problem = HighScoreWindow::describe(readHighScoreFile());
            showHighScores(0);
            highScores_->showMessage(
                damagedCopy_.isEmpty() ? problem : HighScoreWindow::damagedCopyKept(damagedCopy_));
        });
        connect(setup_, &SetupWindow::exitClicked, this, &Program::quitRequested);
    }
    ui::bringToFront(*setup_);
}

void Program::showOnePlayer(const GameSetup& chosen) {
    if (!onePlayer_) {
        onePlayer_ = new OnePlayerWindow(services_, chosen, choices_.computerLevel);
        connect(onePlayer_, &OnePlayerWindow::setupChosen, this, &Program::playOnePlayer);
        connect(onePlayer_, &OnePlayerWindow::exitClicked, this, [this] {
            showSetup();
            dismiss(onePlayer_);
        });
    }
    ui::bringToFront(*onePlayer_);
}

void Program::openBoard(const GameStart& start) {
    dismiss(board_); // a board never shown: nothing to save
    board_ = new board::BoardWindow(
        services_, start,
        {.showWorking = choices_.showWorking, .colourMarks = choices_.colourMarks});
    board_->setAttribute(Qt::WA_DeleteOnClose);
    // The end of a game switches the sound off for the windows after it, until the title's load.
    connect(board_, &board::BoardWindow::soundSwitched, this,
            [this](std::int16_t soundOn) { settings_.soundOn = soundOn; });
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

void Program::titleOk() {
    showSetup();
    dismiss(title_);
    click();
}

void Program::restartPreviousGame() {
    // Read again: the file may have gone bad since the title window looked at it.
    const SavedGameRead read = readSavedGame(services_.savedGamePath.toStdString());
    if (!read.game) {
        title_->restartRefused(read);
        return;
    }
    settings_.soundOn = read.game->setup.soundOn;
    openBoard(*read.game);
    dismiss(title_);
    click(); // with the sound switch just restored
}

void Program::startGame(const GameSetup& setup) {
    dismiss(board_);
    settings_.soundOn = setup.soundOn;
    if (setup.numPlayers == 1)
        showOnePlayer(setup);
    else
        openBoard(setup);
    help_.closeRulesPages();
    dismiss(setup_);
    click();
}

void Program::playOnePlayer(const GameSetup& setup) {
    if (setup.computerLevel > 0) {
        Choices kept = choices_;
        kept.computerLevel = setup.computerLevel;
        keepChoices(kept);
    }
    openBoard(setup);
    dismiss(onePlayer_);
    click();
}

void Program::keepChoices(const Choices& choices) {
    if (choices == choices_)
        return;
    choices_ = choices;
    // Not kept is no harm: the game goes on with them, and the next change tries again.
    saveChoices(services_.choicesPath, choices_);
}

HighScoreRead Program::readHighScoreFile() {
    // A missing or damaged file leaves the rows the program already holds.
    return readHighScores(services_.highScorePath.toStdString(), highScoreTable_.names,
                          highScoreTable_.scores);
}

void Program::offerHighScore(int blueScore, bool againstComputer) {
    closeHighScores(); // a row still being named is stored before the tables change
    readHighScoreFile();
    const int highPosition = checkhighscore(highScoreTable_.names, highScoreTable_.scores,
                                            againstComputer, static_cast<std::int16_t>(blueScore));
    if (highPosition != 0)
        showHighScores(highPosition);
}

void Program::closeHighScores() {
    if (highScores_)
        highScores_->confirm();
    dismiss(highScores_);
}

void Program::showHighScores(int highPosition) {
    closeHighScores();
    highScores_ = new HighScoreWindow(services_, highScoreTable_, highPosition);
    highScores_->setAttribute(Qt::WA_DeleteOnClose);
    connect(highScores_, &HighScoreWindow::damagedFileKept, this,
            [this](const QString& path) { damagedCopy_ = path; });
    ui::bringToFront(*highScores_);
}

} // namespace tezzle::frontend
