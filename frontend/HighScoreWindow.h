#pragma once

#include "files/HighScores.h"
#include "ui/Services.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace tezzle::ui {
class TextBox;
}

namespace tezzle::frontend {

// The two high score tables, playing alone and against the computer. After a one-player game
// whose score entered a table, a name box lies over the new row, with a prompt below the
// tables; the row is stored, with the typed name, on Enter or however the window is left. After
// Enter the window stays, the named row highlighted, until its button or Escape closes it.
class HighScoreWindow : public QWidget {
    Q_OBJECT

public:
    // Shows `table`, which the program holds and this window names the new row in;
    // highPosition (1 to 10) is the new row, or 0.
    HighScoreWindow(const ui::Services& services, HighScoreTable& table, int highPosition,
                    QWidget* parent = nullptr);
    ~HighScoreWindow() override;

    // Stores the typed name in the new row and writes the file, once. False with the reason
    // shown in the window when the row was not stored (then shown greyed, and the program's
    // tables forget it) or the file was found damaged.
    bool confirm();

    // A message below the tables, shown whole.
    void showMessage(const QString& message);

    // What is wrong with the file as read, or nothing.
    static QString describe(const HighScoreRead& read);
    static QString damagedCopyKept(const QString& path);

signals:
    // A store found the file damaged and kept it whole at this path before replacing it.
    void damagedFileKept(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRows();
    void leave();

    const ui::Services& services_;
    HighScoreTable& table_;
    int highPosition_ = 0;
    bool stored_ = false;
    QLineEdit* name_ = nullptr;
    ui::TextBox* message_ = nullptr;
    ui::TextBox* highlight_ = nullptr; // behind the named row
    std::array<ui::TextBox*, kHighScoreRows> names_{};
    std::array<ui::TextBox*, kHighScoreRows> scores_{};
};

} // namespace tezzle::frontend
