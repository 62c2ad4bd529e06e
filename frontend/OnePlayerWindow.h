#pragma once

#include "core/GameSetup.h"
#include "ui/Services.h"

#include <QWidget>

class QButtonGroup;

namespace tezzle::frontend {

// A single player chooses to play alone or against the computer, and the computer's level.
class OnePlayerWindow : public QWidget {
    Q_OBJECT

public:
    // `chosen` is the set-up window's choice, which this one completes; `ticked` is the level
    // ticked first (the one chosen last time).
    OnePlayerWindow(const ui::Services& services, const GameSetup& chosen, int ticked = 3,
                    QWidget* parent = nullptr);

signals:
    // Alone (one player), or against the computer at the ticked level (two players).
    void setupChosen(const GameSetup& setup);
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseSolo();
    void chooseComputer();

    GameSetup chosen_;
    QButtonGroup* levels_ = nullptr;
};

} // namespace tezzle::frontend
