#include "app/panels/scroll_mapping.h"

#include <algorithm>

namespace velumo {

ScrollBarLayout layoutScrollBar(int frameHeight, int innerHeight, int capHeight)
{
    ScrollBarLayout bar;
    bar.capHeight = capHeight;
    bar.visible = innerHeight > frameHeight;
    bar.range = std::max(0, innerHeight - frameHeight);
    bar.bodyHeight = std::max(kMinimumScrollBodyHeight, 2 * frameHeight - innerHeight);
    const int longestMovableBody = frameHeight - 2 * capHeight - 1;
    if (bar.visible && longestMovableBody >= kMinimumScrollBodyHeight)
        bar.bodyHeight = std::min(bar.bodyHeight, longestMovableBody);
    bar.restGap = frameHeight - 2 * capHeight - bar.bodyHeight;
    return bar;
}

int innerTopForGap(const ScrollBarLayout &bar, int gap)
{
    if (!bar.scrollable())
        return 0;
    gap = std::clamp(gap, 0, bar.restGap);
    // Products before the division, as everywhere sizes are computed.
    return int(static_cast<long long>(gap) * bar.range / bar.restGap) - bar.range;
}

ScrollPosition dragScrollBar(const ScrollBarLayout &bar, int bodyTop)
{
    if (!bar.scrollable())
        return {};
    const int stackTop = std::clamp(bodyTop - bar.capHeight, 0, bar.restGap);
    return {stackTop, innerTopForGap(bar, bar.restGap - stackTop)};
}

ScrollPosition scrollGridTo(const ScrollBarLayout &bar, int innerTop)
{
    if (bar.range <= 0)
        return {};
    innerTop = std::clamp(innerTop, -bar.range, 0);
    if (!bar.scrollable())
        return {0, 0};
    const auto gap = (static_cast<long long>(innerTop + bar.range) * bar.restGap + bar.range / 2) / bar.range;
    return {bar.restGap - int(gap), innerTop};
}

} // namespace velumo
