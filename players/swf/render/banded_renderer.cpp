#include "players/swf/render/banded_renderer.h"

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <exception>

namespace velumo::swf {

namespace {

// Below this many rows per band the hand-over costs more than it gains.
constexpr int kMinBandRows = 64;

} // namespace

BandedRenderer::BandedRenderer(int bands)
{
    for (int i = 0; i < std::max(bands, 1); ++i)
        m_renderers.push_back(std::make_unique<Renderer>());
}

BandedRenderer::~BandedRenderer() = default;

void BandedRenderer::clearCache()
{
    for (const auto &renderer : m_renderers)
        renderer->clearCache();
}

void BandedRenderer::paint(QImage &target, const RenderNode &root, const Movie &movie)
{
    if (target.isNull())
        return;
    const int bands = std::clamp(target.height() / kMinBandRows, 1, int(m_renderers.size()));
    if (bands == 1) {
        m_renderers.front()->paint(target, root, movie);
        return;
    }
    // One painter per band, each on its own view of the target's pixels and clipped to its
    // rows, with the transforms of the whole frame. bits() detaches once here, not in the threads.
    uchar *pixels = target.bits();
    const auto paintBand = [&](int i) {
        const int top = target.height() * i / bands;
        const int bottom = target.height() * (i + 1) / bands;
        QImage view(pixels, target.width(), target.height(), target.bytesPerLine(), target.format());
        m_renderers[std::size_t(i)]->paintRegion(view, root, movie, QRect(0, top, target.width(), bottom - top));
    };

    // Every band has ended before this returns or throws: the bands use this frame's locals.
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(bands));
    const auto attempt = [&](int i) {
        try {
            paintBand(i);
        } catch (...) {
            errors[std::size_t(i)] = std::current_exception();
        }
    };
    QSemaphore done;
    int started = 0;
    std::vector<int> leftOver;
    QThreadPool *pool = QThreadPool::globalInstance();
    for (int i = 1; i < bands; ++i) {
        if (pool->tryStart([&, i] {
                attempt(i);
                done.release();
            }))
            ++started;
        else
            leftOver.push_back(i);
    }
    attempt(0);
    for (const int i : leftOver)
        attempt(i);
    done.acquire(started);
    for (const std::exception_ptr &error : errors) {
        if (error)
            std::rethrow_exception(error);
    }
}

} // namespace velumo::swf
