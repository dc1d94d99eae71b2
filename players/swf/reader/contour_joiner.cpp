#include "players/swf/reader/contour_joiner.h"

#include <utility>

namespace velumo::swf {

namespace {

// Moves `tail`'s edges after `head`'s, copying whichever side is shorter.
std::deque<Edge> concat(std::deque<Edge> head, std::deque<Edge> tail)
{
    if (head.size() >= tail.size()) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    }
    tail.insert(tail.begin(), head.begin(), head.end());
    return tail;
}

} // namespace

std::uint64_t ContourJoiner::key(Point p)
{
    return (std::uint64_t(std::uint32_t(p.x)) << 32) | std::uint32_t(p.y);
}

void ContourJoiner::forget(Index &index, Point p, std::size_t segment)
{
    auto [first, last] = index.equal_range(key(p));
    for (auto it = first; it != last; ++it) {
        if (it->second == segment) {
            index.erase(it);
            return;
        }
    }
}

ContourJoiner::Segment *ContourJoiner::takeAt(Index &index, Point p)
{
    const auto it = index.find(key(p));
    if (it == index.end())
        return nullptr;
    const std::size_t i = it->second;
    Segment &segment = m_segments[i];
    forget(m_byStart, segment.start, i);
    forget(m_byEnd, segment.end(), i);
    segment.live = false;
    --m_live;
    return &segment;
}

void ContourJoiner::add(Point start, std::deque<Edge> edges)
{
    if (edges.empty())
        return;
    Segment s{start, std::move(edges)};
    while (!s.closed()) {
        if (Segment *before = takeAt(m_byEnd, s.start)) {
            s.start = before->start;
            s.edges = concat(std::move(before->edges), std::move(s.edges));
        } else if (Segment *after = takeAt(m_byStart, s.end())) {
            s.edges = concat(std::move(s.edges), std::move(after->edges));
        } else {
            break;
        }
    }
    const std::size_t i = m_segments.size();
    if (!s.closed()) {
        m_byStart.emplace(key(s.start), i);
        m_byEnd.emplace(key(s.end()), i);
    }
    m_segments.push_back(std::move(s));
    ++m_live;
}

std::vector<Contour> ContourJoiner::take()
{
    std::vector<Contour> contours;
    contours.reserve(m_live);
    for (Segment &segment : m_segments) {
        if (!segment.live)
            continue;
        Contour &contour = contours.emplace_back();
        contour.start = segment.start;
        contour.edges.assign(segment.edges.begin(), segment.edges.end());
    }
    m_segments.clear();
    m_byStart.clear();
    m_byEnd.clear();
    m_live = 0;
    return contours;
}

} // namespace velumo::swf
