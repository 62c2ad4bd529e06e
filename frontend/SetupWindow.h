#pragma once

#include "Choices.h"

#include "core/GameSetup.h"
#include "ui/Services.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;

namespace tezzle::ui {
class TextBox;
}

namespace tezzle::frontend {

// Where a new game is set up: sound, clocks with the time allowed, the number of players.
class SetupWindow : public QWidget {
    Q_OBJECT

public:
    // Its boxes as the player left them last time.
    SetupWindow(const ui::Services& services, const Choices& shown, QWidget* parent = nullptr);

    Choices chosen() const;

signals:
    // A box was ticked or cleared, or the time box edited: the choices to keep.
    void choicesChanged(const Choices& choices);
    // A number of players was clicked: the set-up as the boxes then hold it, without a computer.
    void setupChosen(const GameSetup& setup);
    void rulesClicked();
    void highScoresClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showTimeBox(bool shown);
    GameSetup chosenSetup(int players) const;

    const ui::Services& services_;
    int computerLevel_;                  // kept as shown: the one-player window chooses it
    std::array<QCheckBox*, 4> checks_{}; // sound, clocks, working, marks
    QLineEdit* timeAllowed_ = nullptr;
    ui::TextBox* timeAllowedCaption_ = nullptr;
    ui::TextBox* secondsCaption_ = nullptr;
};

} // namespace tezzle::frontend
