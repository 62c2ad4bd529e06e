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
// and the 5 rules pictures; and each again at twice the size for high-DPI screens, named with
// "@2x" before the extension ("Images/tezzle3@2x.bmp").
std::vector<Picture> allPictures();

} // namespace tezzle::art
