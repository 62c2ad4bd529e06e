#pragma once

#include "Pictures.h"

#include "ui/Marks.h"

#include <QPointF>

#include <vector>

class QPainter;

// The marks that tell players and zones apart without their colours, and the marked pictures.
namespace tezzle::art {

// A player's mark, black, inside a counter of the given radius.
void drawPlayerMark(QPainter& p, QPointF centre, double counterRadius, ui::MarkShape shape);

// A zone's points on a small dark plate in the top of its hexagon, clear of the number's well and
// of a counter; the same dark and pale as the points on the zone's ball.
void drawZoneMark(QPainter& p, QPointF hexagonCentre, double side, const ui::ZoneLook& zone);

// The marked board, counters (the white flash ones carry only the zone's mark) and the players'
// marks shown beside their names, at one scale under their 1x names.
std::vector<Picture> markedPictures(int scale);

} // namespace tezzle::art
