#pragma once

#include "core/GameSetup.h"
#include "ui/Services.h"

#include <QWidget>

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
    explicit SetupWindow(const ui::Services& services, QWidget* parent = nullptr);

signals:
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
    QCheckBox* playSound_ = nullptr;
    QCheckBox* timersOn_ = nullptr;
    QLineEdit* timeAllowed_ = nullptr;
    ui::TextBox* timeAllowedCaption_ = nullptr;
    ui::TextBox* secondsCaption_ = nullptr;
};

} // namespace tezzle::frontend
