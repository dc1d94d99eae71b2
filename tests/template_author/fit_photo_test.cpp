#include "tools/template_author/contact_sheet.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace velumo::author;

TEST(FitPhoto, FollowsTheProgramsFittingRules)
{
    // A white photo on the black canvas: where white ends shows how the photo was scaled.
    const struct
    {
        QSize photo;
        Slot slot;
        QSize canvas;
        QPoint white;
        QPoint black; // (-1, -1): none expected
    } cases[] = {
        {{4000, 3000}, {640, 480, Orientation::Landscape}, {640, 480}, {639, 479}, {-1, -1}},
        {{4000, 2000}, {640, 480, Orientation::Landscape}, {640, 480}, {639, 479}, {-1, -1}},
        {{3000, 4000}, {640, 480, Orientation::Portrait}, {640, 480}, {639, 479}, {-1, -1}},
        // Full screen, landscape: 1920 × 960 on 1920 × 1080 leaves a black band at the bottom.
        {{4000, 2000}, {0, 0, Orientation::Landscape}, {1920, 1080}, {10, 959}, {10, 960}},
        {{4000, 3000}, {0, 0, Orientation::Landscape}, {1920, 1080}, {1919, 1079}, {-1, -1}},
        // Full screen, portrait: enlarged to 1080 × 1440, the top 1080 rows kept.
        {{3000, 4000}, {0, 0, Orientation::Portrait}, {1080, 1080}, {1079, 1079}, {-1, -1}},
    };
    for (const auto &c : cases) {
        QImage photo(c.photo, QImage::Format_RGB32);
        photo.fill(Qt::white);
        const QImage fitted = fitPhoto(photo, c.slot);
        EXPECT_EQ(fitted.size(), c.canvas) << c.photo.width() << "x" << c.photo.height();
        EXPECT_EQ(qGray(fitted.pixel(c.white)), 255);
        if (c.black.x() >= 0) {
            EXPECT_EQ(qGray(fitted.pixel(c.black)), 0);
        }
    }
}
