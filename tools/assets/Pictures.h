#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tezzle::art {

struct Picture {
    QString path; // inside the data folder, "/" between folders, case as the game names it
    QImage image;
};

// Every picture the game names: the board, 70 counters, 7 balls, the title picture, the logo
// and the 5 rules pictures.
std::vector<Picture> allPictures();

} // namespace tezzle::art
