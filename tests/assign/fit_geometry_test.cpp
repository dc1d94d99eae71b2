#include "assign/fit_geometry.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace velumo;

namespace {

struct FitCase
{
    const char *name;
    QSize photo;
    QSize slot;
    CropModes modes;
    QSize scaled;
    QSize canvas;
};

constexpr CropModes kFull{true, true};
constexpr CropModes kDefault{false, false};

TEST(FitGeometry, ScalesAndCropsAsTheSlotAndModesSay)
{
    const FitCase cases[] = {
        {"4:3 into 4:3 slot fits exactly", {4000, 3000}, {640, 480}, kFull, {640, 480}, {640, 480}},
        {"2:1 into 4:3 slot loses its right part", {4000, 2000}, {640, 480}, kFull, {960, 480}, {640, 480}},
        {"portrait into landscape slot loses its bottom", {3000, 4000}, {640, 480}, kFull, {640, 853}, {640, 480}},
        {"portrait into tall slot", {3000, 4000}, {480, 800}, kFull, {600, 800}, {480, 800}},
        {"square photo follows the landscape rule", {1000, 1000}, {640, 480}, kFull, {640, 640}, {640, 480}},
        {"full screen 2:1 leaves a black band", {4000, 2000}, {0, 0}, kFull, {1920, 960}, {1920, 1080}},
        {"full screen 4:3 loses its bottom rows", {4000, 3000}, {0, 0}, kFull, {1920, 1440}, {1920, 1080}},
        {"landscape default keeps the whole 4:3 photo", {4000, 3000}, {0, 0}, kDefault, {1440, 1080}, {1440, 1080}},
        {"landscape default keeps the whole 2:1 photo", {4000, 2000}, {0, 0}, kDefault, {1920, 960}, {1920, 960}},
        {"portrait enlargement keeps the top three quarters", {3000, 4000}, {0, 0}, kFull, {1080, 1440}, {1080, 1080}},
        {"portrait default", {3000, 4000}, {0, 0}, kDefault, {810, 1080}, {810, 1080}},
        {"one zero dimension means no fixed size", {4000, 2000}, {640, 0}, kFull, {1920, 960}, {1920, 1080}},
        {"the other zero dimension too", {3000, 4000}, {0, 480}, kDefault, {810, 1080}, {810, 1080}},
        {"a thin panorama keeps at least one row", {10000, 2}, {0, 0}, kFull, {1920, 1}, {1920, 1080}},
    };
    for (const FitCase &c : cases) {
        SCOPED_TRACE(c.name);
        const FitGeometry fit = fitGeometry(c.photo, c.slot, c.modes);
        EXPECT_EQ(fit.scaled, c.scaled);
        EXPECT_EQ(fit.canvas, c.canvas);
    }
}

} // namespace
