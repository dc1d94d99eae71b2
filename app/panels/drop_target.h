#pragma once

#include <QPoint>

#include <vector>

namespace velumo {

// A dragged thumbnail lands on another when it is dropped less than this many pixels away
// from that thumbnail's place, both across and down.
inline constexpr int kDropReach = 50;

bool withinDropReach(QPoint droppedAt, QPoint place);

// Every other item, in ascending order, whose place the dragged item was dropped near.
std::vector<int> dropPartners(int dragged, QPoint droppedAt, const std::vector<QPoint> &places);

} // namespace velumo
