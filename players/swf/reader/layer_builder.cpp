#include "players/swf/reader/layer_builder.h"

#include <utility>

namespace velumo::swf {

namespace {

// The same edges travelled the other way; each curve keeps its control point.
std::deque<Edge> reversed(Point start, const std::deque<Edge> &edges, Point &newStart)
{
    std::deque<Edge> out;
    newStart = edges.back().to;
    for (std::size_t i = edges.size(); i-- > 0;) {
        const Point from = i == 0 ? start : edges[i - 1].to;
        out.push_back(Edge{edges[i].curve, edges[i].control, from});
    }
    return out;
}

} // namespace

void LayerBuilder::startLayer(std::size_t fillCount, std::size_t lineCount)
{
    m_fillCount = fillCount;
    m_lineCount = lineCount;
    for (Run &run : m_runs)
        run = Run{};
    m_fills.clear();
    m_lines.clear();
}

void LayerBuilder::close(RunKind kind)
{
    Run &run = m_runs[kind];
    if (run.style != 0 && !run.edges.empty()) {
        if (kind == Fill0) {
            Point start;
            std::deque<Edge> edges = reversed(run.start, run.edges, start);
            m_fills[run.style].add(start, std::move(edges));
        } else {
            auto &joiner = kind == Fill1 ? m_fills[run.style] : m_lines[run.style];
            joiner.add(run.start, std::move(run.edges));
        }
    }
    run.edges.clear();
}

void LayerBuilder::setStyle(RunKind kind, std::size_t style, std::size_t count)
{
    close(kind);
    m_runs[kind].style = style <= count ? style : 0;
}

void LayerBuilder::setFill0(std::size_t style)
{
    setStyle(Fill0, style, m_fillCount);
}

void LayerBuilder::setFill1(std::size_t style)
{
    setStyle(Fill1, style, m_fillCount);
}

void LayerBuilder::setLine(std::size_t style)
{
    setStyle(Line, style, m_lineCount);
}

void LayerBuilder::moveTo(Point to)
{
    for (int kind = 0; kind < RunCount; ++kind)
        close(RunKind(kind));
    m_pen = to;
}

void LayerBuilder::add(Edge edge)
{
    for (Run &run : m_runs) {
        if (run.style == 0)
            continue;
        if (run.edges.empty())
            run.start = m_pen;
        run.edges.push_back(edge);
        ++m_storedEdges;
    }
    m_pen = edge.to;
}

void LayerBuilder::lineTo(Point to)
{
    add(Edge{false, {}, to});
}

void LayerBuilder::curveTo(Point control, Point to)
{
    add(Edge{true, control, to});
}

void LayerBuilder::finishLayer(ShapeLayer &layer)
{
    for (int kind = 0; kind < RunCount; ++kind)
        close(RunKind(kind));
    for (auto &[style, joiner] : m_fills) {
        if (!joiner.empty())
            layer.fillPaths.push_back(FillPath{style - 1, joiner.take()});
    }
    for (auto &[style, joiner] : m_lines) {
        if (!joiner.empty())
            layer.strokePaths.push_back(StrokePath{style - 1, joiner.take()});
    }
    m_fills.clear();
    m_lines.clear();
}

} // namespace velumo::swf
