#pragma once

#include <string_view>

#include "files/AdjacencyFile.h"
#include "files/SavedGameFile.h"
#include "ui/Services.h"

#include <QWidget>

namespace tezzle::ui {
class Button;
class TextBox;
} // namespace tezzle::ui

namespace tezzle::frontend {

// The window the program opens on: the game's name and picture, "OK" (or "Cancel" after a
// game) to set up a game, "Restart Previous Game", "Exit".
class TitleWindow : public QWidget {
    Q_OBJECT

public:
    // Its load: centres itself, shows its picture and reads the board adjacency file (the
    // program switches the sound on as it opens it). Each step runs whatever became of the one
    // before; a table that cannot be read in full is told to the player, and then only "Exit"
    // works.
    explicit TitleWindow(const ui::Services& services, QWidget* parent = nullptr);

    static constexpr std::string_view kPicture = "Images/tezzlemd.bmp";

    void setCancel(); // after a game left with Exit
    void showMessage(const QString& message);
    // The saved game could not be restored: the player is told why, and Restart is greyed.
    void restartRefused(const SavedGameRead& read);
    bool adjacencyComplete() const { return adjacency_.complete(); }
    const ConnArray& connarray() const { return connarray_; } // as the load read it

signals:
    void okClicked();
    void pictureClicked();
    void restartClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void greyRestart(const SavedGameRead& read);

    AdjacencyReadResult adjacency_;
    ConnArray connarray_{};
    ui::Button* restart_ = nullptr;
    ui::Button* ok_ = nullptr;
    ui::TextBox* message_ = nullptr;
    QString shownMessage_;
};

} // namespace tezzle::frontend
