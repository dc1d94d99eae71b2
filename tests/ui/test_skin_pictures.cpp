#include "ui/skin_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace velumo::ui {
namespace {

bool closeColour(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance && std::abs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

class SkinPicturesTest : public ::testing::Test
{
protected:
    SkinPictures skin = makeSkinPictures();
};

TEST_F(SkinPicturesTest, PiecesHaveTheBarAndStripSizes)
{
    struct Case
    {
        const char *name;
        const QPixmap &picture;
        QSize size;
    };
    const Case cases[] = {
        {"Image_zuo1", skin.Image_zuo1, {kTitleLeftWidth, kTitleBarHeight}},
        {"Image_zhong1", skin.Image_zhong1, {kTitleMiddleWidth, kTitleBarHeight}},
        {"Image_you1", skin.Image_you1, {kTitleRightWidth, kTitleBarHeight}},
        {"Image_you2", skin.Image_you2, {kTitleRightWidth, kTitleBarHeight}},
        {"Image_you3", skin.Image_you3, {kTitleRightWidth, kTitleBarHeight}},
        {"Image_xia", skin.Image_xia, {kTitleMiddleWidth, kBottomStripHeight}},
        {"fullScreen.normal", skin.fullScreen.normal, {kTitleButtonWidth, kTitleBarHeight}},
        {"restore.hover", skin.restore.hover, {kTitleButtonWidth, kTitleBarHeight}},
        {"startLayout.pressed", skin.startLayout.pressed, {kTitleButtonWidth, kTitleBarHeight}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.picture.isNull());
        EXPECT_EQ(c.picture.size(), c.size);
    }
}

TEST_F(SkinPicturesTest, ButtonStatesLookDifferent)
{
    struct Case
    {
        const char *name;
        const QPixmap &normal;
        const QPixmap &hover;
        const QPixmap &pressed;
    };
    const Case cases[] = {
        {"close", skin.Image_you1, skin.Image_you2, skin.Image_you3},
        {"fullScreen", skin.fullScreen.normal, skin.fullScreen.hover, skin.fullScreen.pressed},
        {"restore", skin.restore.normal, skin.restore.hover, skin.restore.pressed},
        {"startLayout", skin.startLayout.normal, skin.startLayout.hover, skin.startLayout.pressed},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(argb(c.normal), argb(c.hover));
        EXPECT_NE(argb(c.normal), argb(c.pressed));
        EXPECT_NE(argb(c.hover), argb(c.pressed));
    }
    // The main window's labels each carry their own mark.
    EXPECT_NE(argb(skin.fullScreen.normal), argb(skin.restore.normal));
    EXPECT_NE(argb(skin.restore.normal), argb(skin.startLayout.normal));
}

// Pieces that are stretched sideways must be the same in every column, or stretching
// smears them.
TEST_F(SkinPicturesTest, StretchedPiecesAreUniformAcross)
{
    for (const QPixmap *picture : {&skin.Image_zhong1, &skin.Image_xia}) {
        const QImage image = argb(*picture);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 1; x < image.width(); ++x)
                ASSERT_EQ(image.pixel(x, y), image.pixel(0, y)) << "row " << y << " column " << x;
    }
}

// The ends must continue the middle picture without a visible seam.
TEST_F(SkinPicturesTest, EndsJoinTheMiddleWithoutSeam)
{
    const QImage middle = argb(skin.Image_zhong1);
    const QImage left = argb(skin.Image_zuo1);
    const QImage right = argb(skin.Image_you1);
    for (int y = 0; y < kTitleBarHeight; ++y) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(closeColour(left.pixel(left.width() - 1, y), middle.pixel(0, y), 6));
        EXPECT_TRUE(closeColour(right.pixel(0, y), middle.pixel(0, y)));
    }
}

TEST_F(SkinPicturesTest, BarIsOpaqueAndDark)
{
    const QImage middle = argb(skin.Image_zhong1);
    for (int y = 0; y < middle.height(); ++y) {
        EXPECT_EQ(qAlpha(middle.pixel(0, y)), 255) << "row " << y;
        EXPECT_LT(qGray(middle.pixel(0, y)), 140) << "row " << y;
    }
}

} // namespace
} // namespace velumo::ui
