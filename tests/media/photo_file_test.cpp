#include "media/photo/photo_file.h"

#include "app/base/failure.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/temp_tree.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::test;

namespace {

QColor pixel(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Where the stored quadrants end up once each EXIF orientation is applied.
TEST(PhotoFile, AppliesEveryStoredOrientationAtFullAndReducedScale)
{
    struct Case
    {
        int orientation;
        bool sideways;
        QColor topLeft;
        QColor topRight;
    };
    const Case cases[] = {
        {1, false, kTopLeft, kTopRight},     {2, false, kTopRight, kTopLeft},
        {3, false, kBottomRight, kBottomLeft}, {4, false, kBottomLeft, kBottomRight},
        {5, true, kTopLeft, kBottomLeft},    {6, true, kBottomLeft, kTopLeft},
        {7, true, kBottomRight, kTopRight},  {8, true, kTopRight, kBottomRight},
    };
    TempTree tree;
    const QSize stored(400, 240);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.orientation);
        tree.writeFile(u"p.jpg"_s, encodeJpeg(quadrantPicture(stored), {JpegColour::Rgb, false, c.orientation}));
        const PhotoFile photo = PhotoFile::open(tree.abs(u"p.jpg"_s));
        EXPECT_EQ(photo.storedSize(), stored);
        const QSize displayed = c.sideways ? stored.transposed() : stored;
        ASSERT_EQ(photo.displayedSize(), displayed);
        for (const QSize size : {displayed, displayed / 4}) {
            const QImage image = photo.render(size);
            ASSERT_EQ(image.size(), size);
            EXPECT_EQ(image.format(), QImage::Format_RGB32);
            EXPECT_TRUE(near(pixel(image, 3, 3), c.topLeft));
            EXPECT_TRUE(near(pixel(image, size.width() - 4, 3), c.topRight));
        }
    }
}

TEST(PhotoFile, DecodesGreyCmykAndProgressivePhotos)
{
    TempTree tree;
    struct Case
    {
        const char *name;
        JpegOptions options;
        QColor topLeft;
    };
    const int grey = qGray(kTopLeft.rgb());
    const Case cases[] = {
        {"grey", {JpegColour::Grey}, QColor(grey, grey, grey)},
        {"cmyk", {JpegColour::Cmyk}, kTopLeft},
        {"progressive", {JpegColour::Rgb, true}, kTopLeft},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        tree.writeFile(u"p.jpg"_s, encodeJpeg(quadrantPicture(QSize(200, 100)), c.options));
        const QImage image = PhotoFile::open(tree.abs(u"p.jpg"_s)).render(QSize(100, 50));
        EXPECT_TRUE(near(pixel(image, 5, 5), c.topLeft)) << QColor(image.pixel(5, 5)).name().toStdString();
        EXPECT_TRUE(near(pixel(image, 95, 45), c.options.colour == JpegColour::Grey ? QColor(qGray(kBottomRight.rgb()), qGray(kBottomRight.rgb()), qGray(kBottomRight.rgb())) : kBottomRight));
    }
}

TEST(PhotoFile, RefusesUnusableFilesNamingFileAndReason)
{
    TempTree tree;
    const QByteArray good = encodeJpeg(quadrantPicture(QSize(64, 64)));
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString reason;
    };
    const Case cases[] = {
        {"empty", QByteArray(), u"文件是空的"_s},
        {"cut off", good.first(good.size() / 2), u"文件不完整"_s},
        {"not a JPEG", "GIF89a not really", u"不是JPG图片"_s},
        {"decompression bomb", jpegClaimingSize(QSize(60000, 60000)), u"图片尺寸过大"_s},
        {"few bytes for a big frame", jpegClaimingSize(QSize(4000, 3000)), u"图片数据已损坏"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        tree.writeFile(u"我的 相片.jpg"_s, c.bytes);
        try {
            PhotoFile::open(tree.abs(u"我的 相片.jpg"_s));
            ADD_FAILURE() << "accepted";
        } catch (const Failure &failure) {
            EXPECT_TRUE(failure.message().contains(u"我的 相片.jpg"_s)) << failure.message().toStdString();
            EXPECT_TRUE(failure.message().contains(c.reason)) << failure.message().toStdString();
        }
    }
    EXPECT_THROW(PhotoFile::open(tree.abs(u"missing.jpg"_s)), Failure);
}

} // namespace
