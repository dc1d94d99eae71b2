#include "tests/swf_reader/seed_movies.h"

#include <QBuffer>
#include <QImage>

namespace velumo::swf::test {

namespace {

enum : std::uint16_t {
    End = 0, ShowFrame = 1, DefineShape = 2, PlaceObject = 4, RemoveObject = 5, DefineBits = 6, JpegTables = 8,
    DoAction = 12, DefineBitsLossless = 20, DefineBitsJpeg2 = 21, DefineShape2 = 22, PlaceObject2 = 26,
    RemoveObject2 = 28, DefineShape3 = 32, DefineBitsJpeg3 = 35, DefineBitsLossless2 = 36, DefineSprite = 39,
    FrameLabel = 43, PlaceObject3 = 70, DefineShape4 = 83,
};

const Bytes kEnd = tag(End, {});
const Bytes kShow = tag(ShowFrame, {});

Bytes place(std::uint16_t depth, std::uint16_t id)
{
    return tag(PlaceObject2, cat({{0x06}, le16(depth), le16(id), matrix({})}));
}

Bytes fillSides()
{
    ShapeRecords r(2, 1);
    // Square with fill0 and reversed edges, a hole, and a neighbour sharing an edge.
    r.change({.moveTo = Point{0, 0}, .fill0 = 1, .line = 1}).line(0, 3000).line(3000, 0).line(0, -3000).line(-3000, 0);
    r.change({.moveTo = Point{1000, 1000}, .fill0 = 0, .fill1 = 0}).change({.fill0 = 1});
    r.line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    r.change({.moveTo = Point{3000, 3000}, .fill0 = 1, .fill1 = 2, .line = 0}).line(0, -3000);
    r.change({.fill0 = 0}).line(2000, 0).curve(500, 1500, -500, 1500).line(-2000, 0);
    const Bytes fills = cat({{2}, solidRgb({255, 0, 0, 255}), solidRgb({0, 0, 255, 255})});
    const Bytes lines = cat({{1}, le16(20), {0, 0, 0}});
    return tag(DefineShape, shapeBody(1, {0, 5500, 0, 3000}, fills, lines, r));
}

Bytes layers()
{
    ShapeRecords r(2, 0);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    r.newStyles({.moveTo = Point{500, 500}, .fill1 = 2},
                cat({{2}, solidRgb({0, 255, 0, 255}), solidRgb({0, 0, 255, 255})}), {0}, 2, 0);
    r.line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    return tag(DefineShape2, shapeBody(2, {0, 1500, 0, 1500}, cat({{1}, solidRgb({255, 0, 0, 255})}), {0}, r));
}

Bytes gradientsAndBitmapFill()
{
    const Bytes fills = cat({
        {3},
        cat({{0x10}, matrix({0.05, 0, 0, 0.05, 500, 500}), {0x02, 0, 255, 0, 0, 255, 255, 0, 0, 255, 128}}),
        cat({{0x13}, matrix({}), {0x42, 0, 1, 2, 3, 255, 255, 4, 5, 6, 0}, le16(0x0080)}),
        cat({{0x41}, le16(20), matrix({20, 0, 0, 20, 0, 0})}),
    });
    ShapeRecords r(2, 0);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    r.change({.moveTo = Point{2000, 0}, .fill1 = 2}).curve(500, 0, 500, 500).curve(0, 500, -500, 500).line(0, -1000);
    r.change({.moveTo = Point{0, 2000}, .fill1 = 3}).line(40, 0).line(0, 40).line(-40, 0).line(0, -40);
    return tag(DefineShape3, shapeBody(3, {0, 3000, 0, 2040}, fills, {0}, r));
}

Bytes shape4()
{
    const Bytes lines = cat({
        {2},
        cat({le16(60), {0x28, 0x00}, le16(0x0300), {0x00, 5, 6, 7, 200}}),
        cat({le16(10), {0x00, 0x00}, {11, 12, 13, 255}}),
    });
    ShapeRecords r(1, 2);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1, .line = 1}).line(100, 0).line(0, 100);
    r.change({.line = 2}).line(-100, 0).line(0, -100);
    const Bytes fills = cat({{1}, solidRgba({255, 0, 0, 90})});
    return tag(DefineShape4, cat({le16(4), rect({0, 100, 0, 100}), rect({0, 100, 0, 100}), {0x04}, fills, lines, r.end()}));
}

Bytes lossless(std::uint16_t code, std::uint16_t id, std::uint8_t format, std::uint16_t w, std::uint16_t h,
               const Bytes &header, const Bytes &data)
{
    return tag(code, cat({le16(id), {format}, le16(w), le16(h), header, zlib(data)}), true);
}

Bytes losslessBitmaps()
{
    return cat({
        lossless(DefineBitsLossless2, 20, 5, 2, 2, {},
                 {0xFF, 0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0xFF, 0x80, 0x80, 0x80, 0x80}),
        lossless(DefineBitsLossless, 21, 3, 3, 2, {1}, {255, 0, 0, 0, 0, 255, 0, 1, 0, 0xEE, 1, 1, 0, 0xEE}),
        lossless(DefineBitsLossless2, 22, 3, 3, 1, {1}, {255, 0, 0, 255, 0, 0, 0x80, 0x80, 0, 1, 2, 0}),
        lossless(DefineBitsLossless, 23, 4, 1, 2, {}, {0x7C, 0x00, 0, 0, 0x03, 0xE0, 0, 0}),
        lossless(DefineBitsLossless, 24, 5, 1, 1, {}, {0, 1, 2, 3}),
    });
}

Bytes jpegBitmaps()
{
    const Bytes jpeg = encodedImage(8, 8, 0xFF3366CC, "JPG");
    const Bytes png = encodedImage(2, 2, 0x80FF0000, "PNG");
    // Tables and image of one JPEG, split the way DefineBits stores them.
    Bytes tables{0xFF, 0xD8};
    Bytes image{0xFF, 0xD8};
    std::size_t pos = 2;
    while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF && jpeg[pos + 1] != 0xDA) {
        const std::size_t length = 2 + ((std::size_t(jpeg[pos + 2]) << 8) | jpeg[pos + 3]);
        Bytes &to = (jpeg[pos + 1] == 0xDB || jpeg[pos + 1] == 0xC4) ? tables : image;
        to.insert(to.end(), jpeg.begin() + std::ptrdiff_t(pos), jpeg.begin() + std::ptrdiff_t(pos + length));
        pos += length;
    }
    image.insert(image.end(), jpeg.begin() + std::ptrdiff_t(pos), jpeg.end());
    tables.insert(tables.end(), {0xFF, 0xD9});
    return cat({
        tag(DefineBitsJpeg2, cat({le16(30), {0xFF, 0xD9, 0xFF, 0xD8}, jpeg}), true),
        tag(DefineBitsJpeg2, cat({le16(31), png}), true),
        tag(DefineBitsJpeg3, cat({le16(32), le32(std::uint32_t(jpeg.size())), jpeg, zlib(Bytes(64, 0x80))}), true),
        tag(JpegTables, tables, true),
        tag(DefineBits, cat({le16(33), image}), true),
    });
}

Bytes timeline()
{
    const Bytes sprite = tag(DefineSprite, cat({le16(5), le16(2), place(1, 1), tag(FrameLabel, cstring("a")), kShow,
                                                fillSides(), tag(RemoveObject2, le16(1)), kShow, kEnd}));
    const Bytes placeObject = tag(PlaceObject, cat({le16(1), le16(3), matrix({1, 0, 0, 1, 10, 10}), {0x80, 0x40}}));
    const Bytes placeObject3 =
        tag(PlaceObject3, cat({le16(0x2000 | 0x800 | 0x100 | 0x20 | 0x06), le16(4), cstring("Cls"), le16(5), matrix({}),
                               cstring("p0"), {1, 1}, Bytes(9, 0), {1}}));
    return cat({
        fillSides(), sprite, tag(FrameLabel, cat({cstring("start"), {1}})), placeObject, placeObject3,
        tag(DoAction, {0x96, 0x04, 0x00, 0x00, 'x', 0x00, 0x00, 0x07, 0x00}), kShow,
        tag(PlaceObject2, cat({{0x01 | 0x08 | 0x10}, le16(4), {0x80, 0x00, 0x00}, le16(3)})),
        tag(RemoveObject, cat({le16(1), le16(3)})), kShow, kEnd,
    });
}

} // namespace

Bytes encodedImage(int width, int height, unsigned argb, const char *format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(argb);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return Bytes(data.begin(), data.end());
}

std::vector<SeedMovie> seedMovies()
{
    return {
        {"red_rectangle.swf", redRectangle()},
        {"red_rectangle_compressed.swf", compressed(redRectangle())},
        {"half_size_place.swf", redRectangleHalfSize()},
        {"shapes.swf", movieBytes(cat({fillSides(), layers(), gradientsAndBitmapFill(), shape4(), place(1, 1),
                                       place(2, 2), place(3, 3), place(4, 4), kShow, kEnd}))},
        {"lossless_bitmaps.swf", movieBytes(cat({losslessBitmaps(), kShow, kEnd}))},
        {"jpeg_bitmaps.swf", movieBytes(cat({jpegBitmaps(), kShow, kEnd}))},
        {"timeline.swf", movieBytes(timeline(), 3)},
    };
}

} // namespace velumo::swf::test
