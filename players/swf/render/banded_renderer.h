#pragma once

#include "players/swf/render/renderer.h"

#include <memory>
#include <vector>

namespace velumo::swf {

// Paints each frame as horizontal bands at the same time, one Renderer (with its own caches)
// per band, so that painting uses the core the album encoder leaves free. Bands beyond the
// first run on Qt's global thread pool when it has a thread free, otherwise one after another
// on the calling thread. Against one Renderer, a few pixels may differ by a level or two.
class BandedRenderer
{
public:
    // Two bands on every machine, so that a project gives the same frames everywhere.
    static constexpr int kDefaultBands = 2;

    explicit BandedRenderer(int bands = kDefaultBands);
    ~BandedRenderer();

    void paint(QImage &target, const RenderNode &root, const Movie &movie);
    void clearCache();

    int bandCount() const { return int(m_renderers.size()); }

private:
    std::vector<std::unique_ptr<Renderer>> m_renderers;
};

} // namespace velumo::swf
