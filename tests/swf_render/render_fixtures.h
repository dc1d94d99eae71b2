#pragma once

// Hand-built movies, shapes and render trees for the renderer tests. Coordinates are twips
// (20 per stage pixel) unless a name says otherwise.

#include "players/swf/model.h"
#include "players/swf/render/renderer.h"
#include "players/swf/render_tree.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <initializer_list>

namespace velumo::swf::test {

constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
// Painted into the target before each paint: a pixel left in this colour was never painted.
constexpr QRgb kUnpainted = 0xffff00ff;

// Clockwise on screen (y down), so the fill lies on the right of the direction of travel.
Contour rectContour(int x0, int y0, int x1, int y1);
Contour reversed(const Contour &contour);
// A circle approximated by eight quadratic arcs.
Contour circleContour(int cx, int cy, int radius);

FillStyle solidFill(Rgba colour);
FillStyle bitmapFill(FillKind kind, std::uint16_t bitmapId, const Matrix &matrix);

// One layer, one fill, the given contours.
ShapeDef shapeOf(const FillStyle &fill, std::initializer_list<Contour> contours, std::uint16_t id = 1);
ShapeDef rectShape(Rect r, const FillStyle &fill, std::uint16_t id = 1);

Matrix scaleTranslate(double sx, double sy, double tx, double ty);

RenderNode group(std::vector<RenderNode> children, int depth = 1);
RenderNode shapeNode(const ShapeDef &shape, int depth, const Matrix &matrix = {});
RenderNode pictureNode(const QImage &picture, int depth, const Matrix &matrix = {});
ColorTransform alphaTransform(int aMul);

// A movie with a stage of the given pixel size at the origin.
Movie stageMovie(int widthPx, int heightPx, Rgba background = kWhite);

QImage paintFrame(Renderer &renderer, const RenderNode &root, const Movie &movie, QSize size,
                  QImage::Format format = QImage::Format_RGB32);
QImage paintFrame(const RenderNode &root, const Movie &movie, QSize size,
                  QImage::Format format = QImage::Format_RGB32);

// Compares the straight-alpha colour at (x, y) with `expected`, each channel within `tolerance`.
::testing::AssertionResult pixelIs(const QImage &image, int x, int y, Rgba expected, int tolerance = 0);

// A premultiplied image made of solid blocks: `colours` row by row, each block `blockW`×`blockH`.
QImage blockImage(int columns, int rows, int blockW, int blockH, std::initializer_list<QColor> colours,
                  QImage::Format format = QImage::Format_ARGB32_Premultiplied);

} // namespace velumo::swf::test
