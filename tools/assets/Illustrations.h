#pragma once

#include "BoardArt.h"
#include "Pictures.h"

#include <QImage>

#include <vector>

namespace tezzle::art {

// Each picture has its size times the scale in pixels: the same drawing, finer.
QImage titleImage(int scale); // 320 x 240, the title window's picture
QImage logoImage(int scale);  // 100 x 139, the set-up windows' logo

// The five pictures of the rules pages, cut from the game's own board with counters on it, at
// the board art's scale.
std::vector<Picture> rulesPictures(const BoardArt& art);

} // namespace tezzle::art
