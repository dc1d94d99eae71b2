#pragma once

// Small movies built directly as the decoded model, for runtime tests that need no file.

#include "players/swf/model.h"

#include <memory>

namespace velumo::test {

inline swf::ShapeDef squareShape(std::uint16_t id)
{
    swf::ShapeDef shape;
    shape.id = id;
    shape.bounds = {0, 200, 0, 200};
    swf::ShapeLayer layer;
    layer.fills.push_back({swf::FillKind::Solid, {255, 0, 0, 255}, {}, {}, 0});
    swf::Contour square;
    square.start = {0, 0};
    square.edges = {{false, {}, {200, 0}}, {false, {}, {200, 200}}, {false, {}, {0, 200}}, {false, {}, {0, 0}}};
    layer.fillPaths.push_back({0, {square}});
    shape.layers.push_back(layer);
    return shape;
}

inline swf::PlaceCommand place(std::uint16_t depth, std::uint16_t id)
{
    swf::PlaceCommand p;
    p.depth = depth;
    p.characterId = id;
    return p;
}

inline swf::PlaceCommand moveTo(std::uint16_t depth, double tx)
{
    swf::PlaceCommand p;
    p.depth = depth;
    p.move = true;
    swf::Matrix m;
    m.tx = tx;
    p.matrix = m;
    return p;
}

inline swf::PlaceCommand named(swf::PlaceCommand p, std::string name)
{
    p.name = std::move(name);
    return p;
}

// A movie with `frames` empty frames on a 1920 x 1080 stage.
inline std::shared_ptr<swf::Movie> emptyMovie(int frames, std::uint8_t version = 8)
{
    auto movie = std::make_shared<swf::Movie>();
    movie->version = version;
    movie->frameSize = {0, 1920 * 20, 0, 1080 * 20};
    movie->frameCount = std::uint16_t(frames);
    movie->root.frames.resize(std::size_t(frames));
    return movie;
}

} // namespace velumo::test
