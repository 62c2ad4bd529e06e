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
// whose score entered a table, a name box lies over the new row; the row is stored, with the
// typed name, however the window is left.
class HighScoreWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the tables as the settings hold them; highPosition (1 to 10) is the new row, or 0.
    HighScoreWindow(const ui::Services& services, int highPosition, QWidget* parent = nullptr);
    ~HighScoreWindow() override;

    // Stores the typed name in the new row and writes the file, once. False with the reason
    // shown in the window when the row was not stored, or the file was found damaged.
    bool confirm();
    void showMessage(const QString& message);

    // What is wrong with the file as read, or nothing.
    static QString describe(const HighScoreRead& read);
    static QString damagedCopyKept(const QString& path);

signals:
    // A store found the file damaged and kept it whole at this path before replacing it.
    void damagedFileKept(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showRows();

    const ui::Services& services_;
    int highPosition_ = 0;
    bool stored_ = false;
    QLineEdit* name_ = nullptr;
    ui::TextBox* message_ = nullptr;
    std::array<ui::TextBox*, kHighScoreRows> names_{};
    std::array<ui::TextBox*, kHighScoreRows> scores_{};
};

} // namespace tezzle::frontend
