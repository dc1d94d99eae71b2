#include "media/photo/thumbnail.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace velumo;

namespace {

TEST(Thumbnail, PictureFillsTheBoxAlongTheLongSide)
{
    struct Case
    {
        QSize photo;
        QSize cell;
        QSize picture;
    };
    const Case cases[] = {
        {{4000, 3000}, {180, 180}, {150, 112}},
        {{3000, 4000}, {180, 180}, {112, 150}},
        {{1000, 1000}, {180, 180}, {150, 150}},
        {{4000, 3000}, {230, 130}, {200, 150}}, // the box need not be square
        {{100000, 10}, {180, 180}, {150, 1}},   // never empty
    };
    for (const Case &c : cases)
        EXPECT_EQ(thumbnailPictureSize(c.photo, c.cell), c.picture) << c.photo.width() << "x" << c.photo.height();
}

TEST(Thumbnail, CardIsWhiteWithARaisedBevelAndThePictureAtFourFour)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QImage card = frameThumbnail(picture);
    ASSERT_EQ(card.size(), QSize(28, 18));
    EXPECT_EQ(QColor(card.pixel(0, 0)), QColor(Qt::white));                       // light edge
    EXPECT_EQ(QColor(card.pixel(27, 17)), QColor(160, 160, 160));                  // shadow edge
    EXPECT_EQ(QColor(card.pixel(27, 5)), QColor(160, 160, 160));
    EXPECT_EQ(QColor(card.pixel(5, 17)), QColor(160, 160, 160));
    EXPECT_EQ(QColor(card.pixel(3, 3)), QColor(Qt::white));                        // card margin
    EXPECT_EQ(QColor(card.pixel(4, 4)), QColor(Qt::red));                          // picture
    EXPECT_EQ(QColor(card.pixel(23, 13)), QColor(Qt::red));
    EXPECT_EQ(QColor(card.pixel(24, 14)), QColor(Qt::white));
}

} // namespace
