#pragma once

// Joins the edge runs of one style into as few contours as possible by matching exact
// integer-twip end points: a run that starts where another ends continues it. A contour that
// has closed on itself takes no further runs.

#include "players/swf/model.h"

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

namespace velumo::swf {

class ContourJoiner
{
public:
    void add(Point start, std::deque<Edge> edges);
    bool empty() const { return m_live == 0; }
    // The joined contours, each placed by when it last grew; the joiner is empty afterwards.
    std::vector<Contour> take();

private:
    struct Segment
    {
        Point start;
        std::deque<Edge> edges;
        bool live = true;
        Point end() const { return edges.empty() ? start : edges.back().to; }
        bool closed() const { return !edges.empty() && end() == start; }
    };
    using Index = std::unordered_multimap<std::uint64_t, std::size_t>;

    static std::uint64_t key(Point p);
    // Removes and returns a live open segment from `index` at `p`, if any.
    Segment *takeAt(Index &index, Point p);
    void forget(Index &index, Point p, std::size_t segment);

    std::vector<Segment> m_segments;
    Index m_byStart; // open segments only
    Index m_byEnd;
    std::size_t m_live = 0;
};

} // namespace velumo::swf
