#pragma once

#include "ui/Services.h"

#include <QWidget>

class QButtonGroup;

namespace tezzle::frontend {

// A single player chooses to play alone or against the computer, and the computer's level.
class OnePlayerWindow : public QWidget {
    Q_OBJECT

public:
    explicit OnePlayerWindow(const ui::Services& services, QWidget* parent = nullptr);

    int chosenLevel() const; // 1 to 3

signals:
    void soloClicked();
    void computerClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QButtonGroup* levels_ = nullptr;
};

} // namespace tezzle::frontend
