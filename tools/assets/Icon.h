#pragma once

#include <QByteArray>
#include <QImage>

// The game's icon for the desktop's menus, docks and task bars: a Tezzle!, three counters on three
// touching hexagons, on a clear background.
namespace tezzle::art {

inline constexpr int kIconSizes[] = {48, 64, 128, 256}; // the PNGs a desktop looks for

QImage iconImage(int size); // size x size, with transparency
QByteArray iconSvg();       // the same drawing, scalable

} // namespace tezzle::art
