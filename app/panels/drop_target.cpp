#include "app/panels/drop_target.h"

namespace velumo {

bool withinDropReach(QPoint droppedAt, QPoint place)
{
    return place.x() - kDropReach < droppedAt.x() && droppedAt.x() < place.x() + kDropReach
           && place.y() - kDropReach < droppedAt.y() && droppedAt.y() < place.y() + kDropReach;
}

std::vector<int> dropPartners(int dragged, QPoint droppedAt, const std::vector<QPoint> &places)
{
    std::vector<int> partners;
    for (int s = 0; s < int(places.size()); ++s) {
        if (s != dragged && withinDropReach(droppedAt, places[std::size_t(s)]))
            partners.push_back(s);
    }
    return partners;
}

} // namespace velumo
