#pragma once

#include "BoardLayout.h"
#include "BoardOptions.h"

#include "core/Game.h"
#include "files/SafeWrite.h"
#include "ui/Services.h"
#include "ui/TimerDriver.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tezzle::ui {
class Button;
class Picture;
class TextBox;
} // namespace tezzle::ui

namespace tezzle::board {
class ChainMarks;
class WorkingLine;
} // namespace tezzle::board

namespace tezzle::board {

// The window every game is played in. It owns its Game, draws the game's state, forwards clicks,
// keys and the passing of time to it, and carries out what the game asks: sounds, the saved
// game, and the way to other windows, which it asks for by signals.
class BoardWindow : public QWidget {
    Q_OBJECT

public:
    // Opens a new game from its set-up, or reopens a saved one, shown as the player chose.
    BoardWindow(const ui::Services& services, const GameStart& start,
                const BoardOptions& options = {}, QWidget* parent = nullptr);
    ~BoardWindow() override;

    const Game& game() const { return game_; }
    const BoardOptions& options() const { return options_; }
    ui::TimerDriver& driver() { return driver_; }

    // The controls' actions, also for a computer or keyboard player.
    void throwDice();
    void clickNumber(int n);
    void exitGame();
    void newGame();

signals:
    // Each navigation request comes from a batch of the game's events; the board closes itself
    // once the whole batch is handled.
    void goToTitle();
    void goToSetup();
    void openHighScores(int blueScore, bool againstComputer);
    void cheatChartRequested();
    void closeCheatChart();
    // Exit could not save the game; the previous saved game is whole.
    void saveFailed(const tezzle::WriteResult& result);
    // The game's sound switch changed (the end of the game turns it off), told before the
    // batch of events it came with.
    void soundSwitched(std::int16_t soundOn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Action> void input(Action&& action);
    void carryOutEvents();
    void render();
    void renderBoard(const GameState& s);
    QString dieName(int die, int face) const; // what a screen reader says of it
    void renderPlayers(const GameState& s, bool clocksShown);
    void buildControls();
    void buildBoard();
    bool typingKey(const QKeyEvent& key);
    void setHint(const QString& hint);
    void buildMarks();
    std::string pictureName(std::string plain) const; // the marked twin if marks are shown

    const ui::Services& services_;
    const BoardOptions options_;
    Game game_;
    ui::TimerDriver driver_;
    std::vector<GameEvent> events_;
    std::int16_t soundTold_ = 0; // the game's switch as last told
    bool inCloseEvent_ = false;
    QString typed_; // digits of a number being chosen by keyboard
    QString hint_;  // why typed digits chose nothing, shown in their place
    std::pair<std::int16_t, bool> hintTurn_{}; // the move counter and Throw Dice as it was
    static constexpr qsizetype kMaxTypedDigits = 3;

    QPixmap background_;
    BoardControls controls_;
    std::array<ui::Button*, 3> turnButtons_{}; // Exit, New Game, Cheat Chart
    ui::Picture* flashCounter_ = nullptr;
    std::array<ui::TextBox*, 4> dice_{};
    // What a screen reader says of each die at each face, made once: a rolling die changes face
    // at every frame.
    std::array<std::array<QString, kDieFaces + 1>, 4> dieNames_{};
    std::array<ui::TextBox*, 4> names_{};
    std::array<ui::TextBox*, 4> scores_{};
    std::array<ui::TextBox*, 4> clocks_{};
    std::array<ui::Picture*, 4> marks_{}; // beside the names, if marks are shown
    std::array<std::optional<std::pair<Tint, bool>>, 4> markedDice_{}; // digits last set for
    std::array<ui::Button*, 101> numbers_{};                           // 1 to 100
    std::array<ui::Picture*, 101> counters_{};                         // 1 to 100
    std::array<std::int8_t, 101> counterShown_{}; // the player whose counter each one holds
    std::string flashShown_;
    std::optional<GameState> drawn_; // the state the last frame drew
    bool clocksDrawn_ = false;
    double label100Width_ = 0; // twips
    ChainMarks* chainMarks_ = nullptr;
    std::unique_ptr<WorkingLine> working_; // only when the player asked for the working
};

} // namespace tezzle::board
