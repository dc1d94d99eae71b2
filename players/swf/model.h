#pragma once

// The decoded form of a template movie: what the reader produces and what the runtime and the
// renderer consume. Geometry stays in integer twips (1/20 pixel) so that path end points
// compare exactly; only matrices hold doubles.

#include <QImage>

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace velumo::swf {

// Malformed or hostile input. `what()` says what was wrong and where (byte offset).
class FormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct Point
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Rect
{
    std::int32_t xMin = 0;
    std::int32_t xMax = 0;
    std::int32_t yMin = 0;
    std::int32_t yMax = 0;
    friend bool operator==(const Rect &, const Rect &) = default;
};

// x' = a·x + c·y + tx; y' = b·x + d·y + ty (twips). In Qt: QTransform(a, b, c, d, tx, ty).
struct Matrix
{
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;
    friend bool operator==(const Matrix &, const Matrix &) = default;
};

struct Rgba
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
    friend bool operator==(const Rgba &, const Rgba &) = default;
};

// c' = clamp(c·mul/256 + add, 0, 255) per channel.
struct ColorTransform
{
    std::int16_t rMul = 256;
    std::int16_t gMul = 256;
    std::int16_t bMul = 256;
    std::int16_t aMul = 256;
    std::int16_t rAdd = 0;
    std::int16_t gAdd = 0;
    std::int16_t bAdd = 0;
    std::int16_t aAdd = 0;

    bool isIdentity() const;
    // Only the alpha multiplier differs from identity: drawn as painter opacity.
    bool isAlphaOnly() const;
    Rgba apply(Rgba colour) const;
    // The transform that applies `child` first, then `parent`.
    static ColorTransform concat(const ColorTransform &child, const ColorTransform &parent);
    friend bool operator==(const ColorTransform &, const ColorTransform &) = default;
};

struct GradientRecord
{
    std::uint8_t ratio = 0;
    Rgba colour;
};

struct Gradient
{
    std::uint8_t spread = 0;        // 0 pad, 1 reflect, 2 repeat
    std::uint8_t interpolation = 0; // 0 sRGB, 1 linear RGB
    double focalPoint = 0;          // -1..1, focal radial only
    std::vector<GradientRecord> records;
};

enum class FillKind : std::uint8_t {
    Solid = 0x00,
    LinearGradient = 0x10,
    RadialGradient = 0x12,
    FocalGradient = 0x13,
    RepeatingBitmap = 0x40,
    ClippedBitmap = 0x41,
    RepeatingBitmapHard = 0x42, // not smoothed
    ClippedBitmapHard = 0x43,   // not smoothed
};

struct FillStyle
{
    FillKind kind = FillKind::Solid;
    Rgba colour;         // Solid
    Matrix matrix;       // gradients: gradient square -> shape; bitmaps: bitmap pixels -> shape
    Gradient gradient;   // gradients
    std::uint16_t bitmapId = 0; // bitmaps; an id that names no bitmap draws nothing
};

struct LineStyle
{
    std::uint16_t width = 0; // twips; 0 is a hairline
    Rgba colour;
    std::optional<FillStyle> fill; // LINESTYLE2 with HasFill
};

// One edge of a contour: straight to `to`, or a quadratic curve through `control` to `to`.
struct Edge
{
    bool curve = false;
    Point control;
    Point to;
};

// A chain of joined edges, in twips, starting at `start`.
struct Contour
{
    Point start;
    std::vector<Edge> edges;
    Point end() const { return edges.empty() ? start : edges.back().to; }
};

// Everything one fill style paints in a layer: contours oriented so that the fill lies on the
// right of the direction of travel, to be filled together under the shape's fill rule.
struct FillPath
{
    std::size_t fillIndex = 0; // into ShapeLayer::fills
    std::vector<Contour> contours;
};

struct StrokePath
{
    std::size_t lineIndex = 0; // into ShapeLayer::lines
    std::vector<Contour> contours;
};

// The styles in force between two NewStyles records, and what they paint. Later layers draw
// on top of earlier ones; within a layer, fills in style order, then strokes.
struct ShapeLayer
{
    std::vector<FillStyle> fills;
    std::vector<LineStyle> lines;
    std::vector<FillPath> fillPaths;
    std::vector<StrokePath> strokePaths;
};

struct ShapeDef
{
    std::uint16_t id = 0;
    Rect bounds;
    bool nonZeroWinding = false; // DefineShape4's fill-winding flag; otherwise even-odd
    std::vector<ShapeLayer> layers;
};

struct BitmapDef
{
    std::uint16_t id = 0;
    QImage image; // Format_ARGB32_Premultiplied, or Format_RGB32 when opaque
};

struct PlaceCommand
{
    std::uint16_t depth = 0;
    bool move = false; // modify (or replace) what is at the depth
    std::optional<std::uint16_t> characterId;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<std::uint16_t> ratio;
    std::optional<std::string> name;
    std::optional<std::uint16_t> clipDepth;
    std::optional<bool> visible; // PlaceObject3 HasVisible
};

struct RemoveCommand
{
    std::uint16_t depth = 0;
};

using DisplayCommand = std::variant<PlaceCommand, RemoveCommand>;

// The bytes of one DoAction tag: ACTIONRECORDs up to and including the 0x00 end.
struct ActionBlock
{
    std::vector<std::uint8_t> bytes;
};

struct Frame
{
    std::vector<DisplayCommand> commands; // in tag order
    std::vector<ActionBlock> actions;     // run after the frame's commands, in tag order
    std::string label;                    // empty when none
};

struct Timeline
{
    std::vector<Frame> frames;
    std::map<std::string, int> labels; // label -> 0-based frame
};

struct SpriteDef
{
    std::uint16_t id = 0;
    Timeline timeline;
};

using Character = std::variant<ShapeDef, BitmapDef, SpriteDef>;

struct Movie
{
    std::uint8_t version = 0;
    Rect frameSize;          // the stage, twips
    double frameRate = 25;
    std::uint16_t frameCount = 1; // as the header says
    Rgba background{255, 255, 255, 255};
    std::unordered_map<std::uint16_t, Character> dictionary;
    Timeline root;
};

} // namespace velumo::swf
