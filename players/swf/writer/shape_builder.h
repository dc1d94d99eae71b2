#pragma once

// Builds the body of a DefineShape tag from closed outlines in whole twips.
//
// Every outline is filled with fill style 1 side only: the fill lies on the right of the
// direction of travel, so outer contours run clockwise on screen (y down) and holes run
// counter-clockwise. Fill style 0 is never used. All styles go in one style array, so where
// fills of one shape overlap, the player paints them in style order; keep overlapping parts
// in separate shapes.

#include "players/swf/model.h"
#include "players/swf/writer/bit_writer.h"

#include <QSize>

#include <cstdint>
#include <span>
#include <vector>

namespace velumo::swf::writer {

enum class ShapeTag : std::uint8_t {
    Auto,          // DefineShape3, or DefineShape4 when the shape needs it
    DefineShape,   // RGB colours, at most 254 styles per array
    DefineShape2,  // RGB colours
    DefineShape3,  // RGBA colours
    DefineShape4,  // adds edge bounds, the winding rule and filled lines
};

// The DefineShape version (1-4) of a resolved (non-Auto) tag.
int shapeVersion(ShapeTag tag);

FillStyle solidFill(Rgba colour);
// Runs across the box from its left to its right edge, turned clockwise on screen by
// `angleDegrees` about the box centre; at any angle it spans the whole box.
FillStyle linearGradientFill(const Rect &box, std::vector<GradientRecord> stops, double angleDegrees = 0);
// Centred in the box; the outermost stop touches the box's edges (an ellipse when not square).
FillStyle radialGradientFill(const Rect &box, std::vector<GradientRecord> stops);
// A bitmap of `pixelSize` stretched over `target`. A target of 20 twips per pixel shows the
// bitmap at its natural size. Clipped fill: the edge pixels do not repeat.
FillStyle bitmapFill(std::uint16_t bitmapId, QSize pixelSize, const Rect &target, bool smoothed = true);

// Whole twips from pixels, rounded to nearest.
std::int32_t pixelsToTwips(double pixels);

class ShapeBuilder
{
public:
    // Style indices are 1-based; 0 means none.
    std::uint16_t addFill(const FillStyle &style);
    std::uint16_t addLine(const LineStyle &style);

    // Each call adds closed outlines painted with `fill` and/or `line` (at least one of them).
    void rectangle(const Rect &rect, std::uint16_t fill, std::uint16_t line = 0);
    // Corners of `radius` twips (clamped to half the shorter side), each drawn with two
    // quadratic curves.
    void roundedRectangle(const Rect &rect, std::int32_t radius, std::uint16_t fill, std::uint16_t line = 0);
    // A simple polygon of at least three points, in either orientation: it is made clockwise.
    void polygon(std::span<const Point> points, std::uint16_t fill, std::uint16_t line = 0);
    // Contours taken as given (outer clockwise, holes counter-clockwise). A contour that does not
    // end at its start is closed with a straight edge.
    void path(std::span<const Contour> contours, std::uint16_t fill, std::uint16_t line = 0);

    // Non-zero fill rule instead of even-odd (needs DefineShape4).
    void setNonZeroWinding(bool nonZero) { m_nonZeroWinding = nonZero; }

    bool isEmpty() const { return m_outlines.empty(); }
    // The outlines' extent, widened by half the width of the lines that stroke them.
    Rect bounds() const;
    // The outlines' extent without strokes.
    Rect edgeBounds() const;

    // The tag this shape is written as: Auto resolved, or the requested tag if the shape fits it.
    ShapeTag resolveTag(ShapeTag requested) const;
    // The lowest SWF version that can hold the shape as `tag`.
    int swfVersionNeeded(ShapeTag tag) const;
    // The tag body: ShapeId, bounds, [edge bounds and flags], SHAPEWITHSTYLE.
    Bytes encode(std::uint16_t id, ShapeTag tag = ShapeTag::Auto) const;

private:
    struct Outline
    {
        Contour contour; // closed
        std::uint16_t fill = 0;
        std::uint16_t line = 0;
    };

    void addOutline(Contour contour, std::uint16_t fill, std::uint16_t line);
    bool needsShape4() const;

    std::vector<FillStyle> m_fills;
    std::vector<LineStyle> m_lines;
    std::vector<Outline> m_outlines;
    bool m_nonZeroWinding = false;
};

} // namespace velumo::swf::writer
