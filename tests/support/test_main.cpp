// Shared main of the test programs: a QApplication on the offscreen platform, so window
// and painting code runs headless, then GoogleTest.
#include "app/base/font_names.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    velumo::installFontSubstitutions();
    return RUN_ALL_TESTS();
}
