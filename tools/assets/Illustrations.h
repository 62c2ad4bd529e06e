#pragma once

#include "BoardArt.h"
#include "Pictures.h"

#include <QImage>

#include <vector>

namespace tezzle::art {

QImage titleImage(); // 320 x 240, the title window's picture
QImage logoImage();  // 100 x 139, the set-up windows' logo

// The five pictures of the rules pages, cut from the game's own board with counters on it.
std::vector<Picture> rulesPictures(const BoardArt& art);

} // namespace tezzle::art
