#pragma once

#include "files/AdjacencyFile.h"
#include "ui/Services.h"

#include <QWidget>

namespace tezzle::ui {
class TextBox;
}

namespace tezzle::frontend {

// The window the program opens on: the game's name and picture, "OK" (or "Cancel" after a
// game) to set up a game, "Restart Previous Game", "Exit".
class TitleWindow : public QWidget {
    Q_OBJECT

public:
    // Its load: centres itself, switches the sound on, shows its picture and reads the board
    // adjacency file. Each step runs whatever became of the one before; a table that cannot be
    // read in full is told to the player, and then only "Exit" works.
    explicit TitleWindow(const ui::Services& services, QWidget* parent = nullptr);

    void setCancel(); // after a game left with Exit
    void showMessage(const QString& message);
    bool adjacencyComplete() const { return adjacency_.complete(); }

signals:
    void okClicked();
    void pictureClicked();
    void restartClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AdjacencyReadResult adjacency_;
    ui::TextBox* message_ = nullptr;
};

} // namespace tezzle::frontend
