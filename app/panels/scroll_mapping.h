#pragma once

namespace velumo {

// The panel's scroll bar: a top cap, a stretched body and a bottom cap stacked at the frame's
// right edge. Moving the stack moves the grid: the free space below the bottom cap is mapped
// linearly onto the grid's scroll range.
struct ScrollBarLayout
{
    bool visible = false;  // the grid is taller than its frame
    int capHeight = 0;
    int bodyHeight = 0;
    int restGap = 0;       // free space below the bottom cap with the stack at the top
    int range = 0;         // how far the grid can move up: inner height - frame height

    // Without free space below the stack the bar cannot move, so the grid does not scroll.
    bool scrollable() const { return visible && restGap > 0 && range > 0; }
};

inline constexpr int kMinimumScrollBodyHeight = 17;

// The body is as much shorter than the frame as the grid is taller (2 x frame - inner), but
// at least 17 pixels; and, where the frame has room for it, at least one pixel shorter than
// the space between the caps, so a grid only slightly taller than its frame can still be
// scrolled to its end.
ScrollBarLayout layoutScrollBar(int frameHeight, int innerHeight, int capHeight);

struct ScrollPosition
{
    int stackTop = 0; // top of the top cap
    int innerTop = 0; // top of the grid inside the frame, 0 .. -range
};

// The stack dragged so that its body would start at `bodyTop`: kept inside the frame, and the
// grid moved to match.
ScrollPosition dragScrollBar(const ScrollBarLayout &bar, int bodyTop);

// The grid moved to `innerTop` (for example by the wheel), clamped to its range, and the
// stack placed where that position maps.
ScrollPosition scrollGridTo(const ScrollBarLayout &bar, int innerTop);

// The grid's top for a free space of `gap` pixels below the bottom cap: 0 with the stack at
// the top (gap = rest gap), -range at the bottom (gap = 0). 0 when the bar cannot scroll.
int innerTopForGap(const ScrollBarLayout &bar, int gap);

} // namespace velumo
