#pragma once

// Turns the edge records of one shape layer into fill and stroke paths. Each edge carries up to
// three styles (fill0 on its left, fill1 on its right, a line); the edges of each style are
// collected in runs, fill0 runs reversed so that every fill lies on the right of travel, and
// runs are joined into contours per style.

#include "players/swf/model.h"
#include "players/swf/reader/contour_joiner.h"

#include <cstddef>
#include <deque>
#include <map>

namespace velumo::swf {

class LayerBuilder
{
public:
    // Starts a layer with these many fill and line styles; all current styles none. The pen
    // stays where it is.
    void startLayer(std::size_t fillCount, std::size_t lineCount);

    // 1-based style indices; 0, or an index past the layer's styles, means none.
    void setFill0(std::size_t style);
    void setFill1(std::size_t style);
    void setLine(std::size_t style);
    void moveTo(Point to);
    void lineTo(Point to);
    void curveTo(Point control, Point to);

    Point pen() const { return m_pen; }
    // Edges stored so far, counted once per style that holds them.
    std::size_t storedEdges() const { return m_storedEdges; }

    // Closes all runs and writes the layer's paths, fills and strokes in style index order.
    void finishLayer(ShapeLayer &layer);

private:
    struct Run
    {
        std::size_t style = 0;
        Point start;
        std::deque<Edge> edges;
    };
    enum RunKind { Fill0, Fill1, Line, RunCount };

    void setStyle(RunKind kind, std::size_t style, std::size_t count);
    void close(RunKind kind);
    void add(Edge edge);

    Run m_runs[RunCount];
    std::map<std::size_t, ContourJoiner> m_fills; // by 1-based style
    std::map<std::size_t, ContourJoiner> m_lines;
    std::size_t m_fillCount = 0;
    std::size_t m_lineCount = 0;
    Point m_pen;
    std::size_t m_storedEdges = 0;
};

} // namespace velumo::swf
