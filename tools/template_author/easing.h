#pragma once

namespace velumo::author {

// How a value travels between two keyframes; `t` runs from 0 to 1.
enum class Ease {
    Hold,       // keeps the earlier value and jumps at the key
    Linear,
    InQuad,
    OutQuad,
    InOutQuad,
    InCubic,
    OutCubic,
    InOutCubic,
    OutQuart,
    InOutSine,
    OutSine,
    OutBack,    // overshoots a little, then settles
    OutBounce,  // lands, bounces twice, settles
};

double applyEase(Ease ease, double t);

} // namespace velumo::author
