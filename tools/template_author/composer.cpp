#include "tools/template_author/composer.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <string>

namespace velumo::author {

namespace sw = swf::writer;

swf::Rect twips(const QRectF &pixels)
{
    const QRectF r = pixels.normalized();
    return {sw::pixelsToTwips(r.left()), sw::pixelsToTwips(r.right()), sw::pixelsToTwips(r.top()),
            sw::pixelsToTwips(r.bottom())};
}

swf::Rgba rgba(const QColor &colour)
{
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue()),
            std::uint8_t(colour.alpha())};
}

// ---------------------------------------------------------------------------------------- Track

Track &Track::key(int frame, double value, Ease ease)
{
    auto it = std::lower_bound(m_keys.begin(), m_keys.end(), frame,
                               [](const Key &k, int f) { return k.frame < f; });
    if (it != m_keys.end() && it->frame == frame)
        *it = {frame, value, ease};
    else
        m_keys.insert(it, {frame, value, ease});
    return *this;
}

Track &Track::tween(int start, int end, double from, double to, Ease ease)
{
    auto it = std::find_if(m_keys.begin(), m_keys.end(), [&](const Key &k) { return k.frame == start; });
    if (it != m_keys.end())
        it->value = from;
    else
        key(start, from, Ease::Hold);
    return key(end, to, ease);
}

double Track::at(int frame) const
{
    if (m_keys.empty())
        return m_base;
    if (frame <= m_keys.front().frame)
        return m_keys.front().value;
    if (frame >= m_keys.back().frame)
        return m_keys.back().value;
    auto next = std::upper_bound(m_keys.begin(), m_keys.end(), frame,
                                 [](int f, const Key &k) { return f < k.frame; });
    const Key &b = *next;
    const Key &a = *(next - 1);
    const double t = double(frame - a.frame) / double(b.frame - a.frame);
    return a.value + (b.value - a.value) * applyEase(b.ease, t);
}

// -------------------------------------------------------------------------------------- Element

Element &Element::at(double px, double py)
{
    x.set(px);
    y.set(py);
    return *this;
}

Element &Element::scale(double s)
{
    scaleX.set(s);
    scaleY.set(s);
    return *this;
}

Element &Element::turn(double degrees)
{
    rotation.set(degrees);
    return *this;
}

Element &Element::opacity(double a)
{
    alpha.set(a);
    return *this;
}

Element &Element::pivotAt(QPointF p)
{
    pivot = p;
    return *this;
}

Element &Element::move(int start, int end, QPointF from, QPointF to, Ease ease)
{
    x.tween(start, end, from.x(), to.x(), ease);
    y.tween(start, end, from.y(), to.y(), ease);
    return *this;
}

Element &Element::zoom(int start, int end, double from, double to, Ease ease)
{
    scaleX.tween(start, end, from, to, ease);
    scaleY.tween(start, end, from, to, ease);
    return *this;
}

Element &Element::spin(int start, int end, double from, double to, Ease ease)
{
    rotation.tween(start, end, from, to, ease);
    return *this;
}

Element &Element::fade(int start, int end, double from, double to, Ease ease)
{
    alpha.tween(start, end, from, to, ease);
    return *this;
}

Element &Element::wash(int start, int end, QColor colour, double from, double to, Ease ease)
{
    tintColour = colour;
    tint.tween(start, end, from, to, ease);
    return *this;
}

Element &Element::follow(const Element &leader, bool takeWash)
{
    m_leader = &leader;
    m_takeWash = takeWash;
    return *this;
}

Element &Element::swapCharacter(int frame, std::uint16_t characterId)
{
    m_swaps[frame] = characterId;
    return *this;
}

Element &Element::visibleDuring(int first, int last)
{
    m_visibleFirst = first;
    m_visibleLast = last;
    return *this;
}

QTransform Element::transformAt(int frame) const
{
    QTransform local;
    local.translate(x.at(frame), y.at(frame));
    local.rotate(rotation.at(frame));
    local.scale(scaleX.at(frame), scaleY.at(frame));
    local.translate(-pivot.x(), -pivot.y());
    return m_leader ? local * m_leader->transformAt(frame) : local;
}

Element::Colour Element::colourChain(int frame) const
{
    Colour own;
    const double t = std::clamp(tint.at(frame), 0.0, 1.0);
    const double wash[3] = {tintColour.redF() * 255, tintColour.greenF() * 255, tintColour.blueF() * 255};
    for (int i = 0; i < 3; ++i) {
        own.mul[i] = 1 - t;
        own.add[i] = t * wash[i];
    }
    const bool inWindow = frame >= m_visibleFirst && frame <= m_visibleLast;
    own.mul[3] = inWindow ? std::clamp(alpha.at(frame), 0.0, 1.0) : 0.0;
    if (!m_leader)
        return own;
    // The leader's transform applies after ours: c' = (c·m1 + a1)·m2 + a2.
    Colour outer = m_leader->colourChain(frame);
    if (!m_takeWash) {
        for (int i = 0; i < 3; ++i) {
            outer.mul[i] = 1;
            outer.add[i] = 0;
        }
        // A shadow lags behind a fading photo: seen through a half-transparent photo it
        // would only grey it.
        outer.mul[3] = outer.mul[3] * outer.mul[3] * outer.mul[3];
    }
    Colour out;
    for (int i = 0; i < 4; ++i) {
        out.mul[i] = own.mul[i] * outer.mul[i];
        out.add[i] = own.add[i] * outer.mul[i] + outer.add[i];
    }
    return out;
}

swf::ColorTransform Element::colourAt(int frame) const
{
    const Colour c = colourChain(frame);
    auto mul = [](double m) { return std::int16_t(std::lround(std::clamp(m, -8.0, 8.0) * 256)); };
    auto add = [](double a) { return std::int16_t(std::lround(std::clamp(a, -255.0, 255.0))); };
    swf::ColorTransform cx;
    cx.rMul = mul(c.mul[0]);
    cx.gMul = mul(c.mul[1]);
    cx.bMul = mul(c.mul[2]);
    cx.aMul = mul(c.mul[3]);
    cx.rAdd = add(c.add[0]);
    cx.gAdd = add(c.add[1]);
    cx.bAdd = add(c.add[2]);
    cx.aAdd = add(c.add[3]);
    return cx;
}

std::uint16_t Element::characterAt(int frame) const
{
    auto it = m_swaps.upper_bound(frame);
    if (it == m_swaps.begin())
        return m_character;
    return std::prev(it)->second;
}

// ------------------------------------------------------------------------------------- Composer

namespace {

std::string rootPath(const std::string &clip)
{
    return QString(QStringLiteral("_root.") + QString::fromStdString(clip)).toStdString();
}

} // namespace

Composer::Composer(int frameCount, std::vector<QSize> slotSizes)
    : m_frames(frameCount)
    , m_slotSizes(std::move(slotSizes))
{
    if (m_frames < 1)
        throw sw::WriteError("a template needs at least one frame");
    m_movie.setVersion(8);
    m_movie.setStageSize(kStageWidth, kStageHeight);
    m_movie.setFrameRate(kFramesPerSecond);
    // Placeholders are empty one-frame clips; the pictures loaded into them become their content.
    m_placeholder = m_movie.defineSprite(sw::SpriteWriter());
    Element &scene = newElement(m_placeholder);
    scene.m_name = "scene";
    scene.pivot = {kStageWidth / 2.0, kStageHeight / 2.0};
    scene.at(scene.pivot);
    m_loads.emplace_back(kScenePictureUrl, "_root.scene");
}

QSize Composer::slotSize(int slot) const
{
    if (slot < 1 || slot > slotCount())
        throw sw::WriteError("no slot " + std::to_string(slot));
    return m_slotSizes[std::size_t(slot - 1)];
}

Element &Composer::newElement(std::uint16_t character)
{
    if (m_elements.size() >= 0xFFF0)
        throw sw::WriteError("too many elements");
    Element &e = m_elements.emplace_back();
    e.m_depth = std::uint16_t(m_elements.size());
    e.m_character = character;
    return e;
}

Element &Composer::sceneCopy()
{
    Element &copy = newElement(m_placeholder);
    copy.m_name = QString::asprintf("scene%d", ++m_sceneCopies + 1).toStdString();
    copy.pivot = {kStageWidth / 2.0, kStageHeight / 2.0};
    copy.at(copy.pivot);
    m_loads.emplace_back(kScenePictureUrl, rootPath(copy.m_name));
    return copy;
}

Element &Composer::photo(int slot)
{
    const QSize size = slotSize(slot);
    Element &clip = newElement(m_placeholder);
    const int made = m_photoClips[slot]++;
    // Formatted by Qt: GCC 12 warns falsely (-Wrestrict) about std::string building here.
    clip.m_name = (made ? QString::asprintf("p%d_%d", slot, made + 1) : QString::asprintf("p%d", slot)).toStdString();
    clip.pivot = {size.width() / 2.0, size.height() / 2.0};
    m_loads.emplace_back(QString::asprintf("picture_%d.rar", slot).toStdString(), rootPath(clip.m_name));
    return clip;
}

std::uint16_t Composer::defineShape(const sw::ShapeBuilder &shape)
{
    return m_movie.defineShape(shape);
}

std::uint16_t Composer::defineImage(const QImage &image, const ImageOptions &options)
{
    const QSizeF shown = options.size.isEmpty() ? QSizeF(image.size()) : options.size;
    const std::uint16_t bitmap =
        options.lossless ? m_movie.defineBitmapLossless(image) : m_movie.defineBitmapJpeg(image, options.quality);
    sw::ShapeBuilder shape;
    const swf::Rect area = twips(QRectF(QPointF(0, 0), shown));
    shape.rectangle(area, shape.addFill(sw::bitmapFill(bitmap, image.size(), area)));
    return m_movie.defineShape(shape);
}

Element &Composer::add(std::uint16_t characterId)
{
    return newElement(characterId);
}

Element &Composer::beginMask(std::uint16_t characterId)
{
    Element &mask = newElement(characterId);
    m_openMasks.push_back(&mask);
    return mask;
}

void Composer::endMask()
{
    if (m_openMasks.empty())
        throw sw::WriteError("endMask without beginMask");
    Element *mask = m_openMasks.back();
    m_openMasks.pop_back();
    if (m_elements.back().m_depth == mask->m_depth)
        throw sw::WriteError("a mask that masks nothing");
    mask->m_clipDepth = m_elements.back().m_depth;
}

namespace {

struct State
{
    std::uint16_t character = 0;
    swf::Matrix matrix;
    swf::ColorTransform colour;
    bool operator==(const State &) const = default;
};

// Rounded the way the file stores it (16.16 scale and rotation, whole twips), so that only
// visible changes make a modify command.
swf::Matrix toMatrix(const QTransform &t)
{
    auto fixed = [](double v) { return std::round(v * 65536.0) / 65536.0; };
    return {fixed(t.m11()), fixed(t.m12()), fixed(t.m21()), fixed(t.m22()), std::round(t.dx() * 20.0),
            std::round(t.dy() * 20.0)};
}

} // namespace

sw::Bytes Composer::finish()
{
    if (m_finished)
        throw sw::WriteError("the movie is already finished");
    if (!m_openMasks.empty())
        throw sw::WriteError("a mask is still open");
    for (int slot = 1; slot <= slotCount(); ++slot) {
        if (!m_photoClips.contains(slot))
            throw sw::WriteError("slot " + std::to_string(slot) + " has no clip");
    }
    m_finished = true;
    m_movie.setBackground(rgba(m_background));

    std::vector<State> shown(m_elements.size());
    for (int frame = 0; frame < m_frames; ++frame) {
        for (std::size_t i = 0; i < m_elements.size(); ++i) {
            const Element &e = m_elements[i];
            const State now{e.characterAt(frame), toMatrix(e.transformAt(frame)), e.colourAt(frame)};
            if (frame == 0) {
                swf::PlaceCommand place;
                place.depth = e.m_depth;
                place.characterId = now.character;
                place.matrix = now.matrix;
                if (!now.colour.isIdentity())
                    place.colorTransform = now.colour;
                if (!e.m_name.empty())
                    place.name = e.m_name;
                if (e.m_clipDepth)
                    place.clipDepth = e.m_clipDepth;
                m_movie.place(place);
                shown[i] = now;
                continue;
            }
            const State &before = shown[i];
            // Nothing of an invisible element shows: its motion waits until it appears.
            const bool hidden = e.m_clipDepth == 0 && before.colour.aMul == 0 && now.colour.aMul == 0
                                && before.colour.aAdd <= 0 && now.colour.aAdd <= 0;
            if (now == before || (hidden && now.character == before.character))
                continue;
            swf::PlaceCommand modify;
            modify.depth = e.m_depth;
            modify.move = true;
            if (now.character != before.character)
                modify.characterId = now.character;
            if (!(now.matrix == before.matrix))
                modify.matrix = now.matrix;
            if (!(now.colour == before.colour))
                modify.colorTransform = now.colour;
            m_movie.place(modify);
            shown[i] = now;
        }
        if (frame == 0) {
            // Runs again whenever the host rewinds to frame 0: it only sets and loads, so a
            // second run leaves the movie as the first one did.
            sw::ActionAssembler script;
            script.setVariable(kMarkerVariable, kMarkerValue);
            script.setVariable("xc_alpha", "100");
            for (const auto &[url, target] : m_loads)
                script.loadMovie(url, target);
            script.fscommand(kReadyCommand);
            script.stop();
            m_movie.doAction(script);
        }
        m_movie.showFrame();
    }
    return m_movie.finish(sw::Compression::Zlib);
}

} // namespace velumo::author
