#include "tools/template_author/easing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velumo::author {

double applyEase(Ease ease, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    constexpr double pi = std::numbers::pi;
    switch (ease) {
    case Ease::Hold:
        return t < 1 ? 0 : 1;
    case Ease::Linear:
        return t;
    case Ease::InQuad:
        return t * t;
    case Ease::OutQuad:
        return 1 - (1 - t) * (1 - t);
    case Ease::InOutQuad:
        return t < 0.5 ? 2 * t * t : 1 - std::pow(-2 * t + 2, 2) / 2;
    case Ease::InCubic:
        return t * t * t;
    case Ease::OutCubic:
        return 1 - std::pow(1 - t, 3);
    case Ease::InOutCubic:
        return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
    case Ease::OutQuart:
        return 1 - std::pow(1 - t, 4);
    case Ease::InOutSine:
        return -(std::cos(pi * t) - 1) / 2;
    case Ease::OutSine:
        return std::sin(t * pi / 2);
    case Ease::OutBack: {
        // A gentle overshoot (about 5 %): photos settle instead of stopping dead.
        constexpr double c1 = 1.2;
        constexpr double c3 = c1 + 1;
        return 1 + c3 * std::pow(t - 1, 3) + c1 * std::pow(t - 1, 2);
    }
    case Ease::OutBounce: {
        constexpr double n1 = 7.5625;
        constexpr double d1 = 2.75;
        if (t < 1 / d1)
            return n1 * t * t;
        if (t < 2 / d1) {
            t -= 1.5 / d1;
            return n1 * t * t + 0.75;
        }
        if (t < 2.5 / d1) {
            t -= 2.25 / d1;
            return n1 * t * t + 0.9375;
        }
        t -= 2.625 / d1;
        return n1 * t * t + 0.984375;
    }
    }
    return t;
}

} // namespace velumo::author
