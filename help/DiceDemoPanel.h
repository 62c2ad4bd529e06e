#pragma once

#include "core/DiceDemo.h"
#include "ui/Services.h"
#include "ui/TimerDriver.h"

#include <QObject>

#include <array>

class QWidget;

namespace tezzle::ui {
class Button;
class TextBox;
} // namespace tezzle::ui

namespace tezzle::help {

// The "Throw Dice" button and the four dice of a rules page, driving the demonstration with the
// program's one generator and its clock.
class DiceDemoPanel : public QObject {
    Q_OBJECT

public:
    DiceDemoPanel(QWidget& page, const ui::Services& services, Dice& dice);

    void throwDice();
    // Closing the page: the dice stop where they are.
    void stop();

    const DiceDemo& demo() const { return demo_; }
    ui::TimerDriver& driver() { return driver_; }

private:
    void render();

    const ui::Services& services_;
    DiceDemo demo_;
    ui::TimerDriver driver_;
    std::array<ui::TextBox*, 4> dice_{};
};

} // namespace tezzle::help
