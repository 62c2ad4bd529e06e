#pragma once

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

    // The choices as the boxes hold them when a game starts.
    std::int16_t chosenSound() const;
    std::int16_t chosenTimeAllowed() const; // 0 with the clocks off

signals:
    void playersChosen(int players);
    void rulesClicked();
    void highScoresClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showTimeBox(bool shown);

    const ui::Services& services_;
    QCheckBox* playSound_ = nullptr;
    QCheckBox* timersOn_ = nullptr;
    QLineEdit* timeAllowed_ = nullptr;
    ui::TextBox* timeAllowedCaption_ = nullptr;
    ui::TextBox* secondsCaption_ = nullptr;
};

} // namespace tezzle::frontend
