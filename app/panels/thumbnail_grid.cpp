#include "app/panels/thumbnail_grid.h"

#include <algorithm>

namespace velumo {

GridArrangement arrangeGrid(int count, QSize thumbnail, QSize frame)
{
    GridArrangement grid;
    grid.innerWidth = std::max(0, frame.width() - kScrollBarWidth);
    const int cellWidth = thumbnail.width() + kGridGap;
    const int cellHeight = thumbnail.height() + kGridGap;
    grid.columns = cellWidth > 0 ? std::max(1, grid.innerWidth / cellWidth) : 1;
    grid.positions.reserve(std::size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        const int column = i % grid.columns;
        const int row = i / grid.columns;
        grid.positions.emplace_back(column * cellWidth + kGridGap / 2, row * cellHeight + kGridGap / 2);
    }
    grid.innerHeight = frame.height();
    if (!grid.positions.empty())
        grid.innerHeight = std::max(frame.height(), grid.positions.back().y() + thumbnail.height() + kGridGap / 2);
    return grid;
}

} // namespace velumo
