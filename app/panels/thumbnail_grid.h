#pragma once

#include <QPoint>
#include <QSize>

#include <vector>

namespace velumo {

// Width of the scroll bar at the frame's right edge; the grid never runs under it.
inline constexpr int kScrollBarWidth = 14;
// Space around every thumbnail: 10 pixels at each side, 20 between neighbours.
inline constexpr int kGridGap = 20;

struct GridArrangement
{
    int columns = 1;
    std::vector<QPoint> positions; // top-left of item i inside the scrolling inner panel
    int innerWidth = 0;
    int innerHeight = 0; // never less than the frame height
};

// Lays `count` thumbnails of `thumbnail` size out in rows inside a frame of `frame` size.
// A frame too narrow for one cell still gets one column.
GridArrangement arrangeGrid(int count, QSize thumbnail, QSize frame);

} // namespace velumo
