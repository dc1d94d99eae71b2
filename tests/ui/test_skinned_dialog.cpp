#include "ui/skinned_dialog.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {
namespace {

class RecordingDialog : public SkinnedDialog
{
public:
    using SkinnedDialog::SkinnedDialog;
    int closeClicks = 0;

protected:
    void closeLabelClicked() override
    {
        ++closeClicks;
        SkinnedDialog::closeLabelClicked();
    }
};

bool closeColour(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

class SkinnedDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.setClientSize(640, 260);
        dialog.move(100, 100);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        picture = dialog.findChild<QLabel *>(u"Image_you1"_s);
        closeLabel = dialog.findChild<QLabel *>(u"Label_guanbi"_s);
        middle = dialog.findChild<QLabel *>(u"Image_zhong1"_s);
        ASSERT_NE(picture, nullptr);
        ASSERT_NE(closeLabel, nullptr);
        ASSERT_NE(middle, nullptr);
    }

    qint64 shownPicture() const { return picture->pixmap().cacheKey(); }

    void enter(QWidget *widget)
    {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QEnterEvent event(at, widget->mapTo(widget->window(), at), widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    }
    void leave(QWidget *widget)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    }

    SkinPictures skin = makeSkinPictures();
    RecordingDialog dialog{u"Form_test"_s, u"测试窗口"_s, skin};
    QLabel *picture = nullptr;
    QLabel *closeLabel = nullptr;
    QLabel *middle = nullptr;
};

TEST_F(SkinnedDialogTest, TakesNameCaptionAndIsBorderless)
{
    EXPECT_EQ(dialog.objectName(), u"Form_test"_s);
    EXPECT_EQ(dialog.windowTitle(), u"测试窗口"_s);
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto *caption = dialog.findChild<QLabel *>(u"Label_biaoti"_s);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), u"测试窗口"_s);
    EXPECT_EQ(caption->pos(), QPoint(10, 10));

    dialog.setWindowTitle(u"新标题"_s);
    EXPECT_EQ(caption->text(), u"新标题"_s);
}

TEST_F(SkinnedDialogTest, CloseLabelFollowsThePointer)
{
    enum Step { Enter, Press, Leave, ReleaseInside, ReleaseOutside };
    struct Case
    {
        const char *name;
        std::vector<Step> steps;
        const QPixmap &expected;
        int clicks;
    };
    const Case cases[] = {
        {"enter shows hover", {Enter}, skin.Image_you2, 0},
        {"leave restores normal", {Enter, Leave}, skin.Image_you1, 0},
        {"press shows pressed", {Enter, Press}, skin.Image_you3, 0},
        {"leave while pressed restores normal", {Enter, Press, Leave}, skin.Image_you1, 0},
        {"release over it shows hover and clicks", {Enter, Press, ReleaseInside}, skin.Image_you2, 1},
        {"release elsewhere cancels", {Enter, Press, Leave, ReleaseOutside}, skin.Image_you1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dialog.hide();
        dialog.show();
        ASSERT_EQ(shownPicture(), skin.Image_you1.cacheKey());
        dialog.closeClicks = 0;
        const QPoint outside(-20, closeLabel->height() + 20);
        bool held = false;
        for (const Step step : c.steps) {
            switch (step) {
            case Enter: enter(closeLabel); break;
            case Leave: leave(closeLabel); break;
            case Press: QTest::mousePress(closeLabel, Qt::LeftButton); break;
            case ReleaseInside: QTest::mouseRelease(closeLabel, Qt::LeftButton); break;
            case ReleaseOutside: QTest::mouseRelease(closeLabel, Qt::LeftButton, {}, outside); break;
            }
            held = step == Press || (held && step != ReleaseInside && step != ReleaseOutside);
        }
        EXPECT_EQ(shownPicture(), c.expected.cacheKey());
        EXPECT_EQ(dialog.closeClicks, c.clicks);
        EXPECT_EQ(dialog.isVisible(), c.clicks == 0);
        if (held) // leave no button held down for the next case
            QTest::mouseRelease(closeLabel, Qt::LeftButton, {}, outside);
    }
}

TEST_F(SkinnedDialogTest, CloseLabelRejectsAndShowingAgainResetsTheChrome)
{
    QTest::mouseClick(closeLabel, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(shownPicture(), skin.Image_you2.cacheKey());

    dialog.show();
    EXPECT_EQ(shownPicture(), skin.Image_you1.cacheKey());
}

TEST_F(SkinnedDialogTest, RightButtonDoesNotClose)
{
    QTest::mouseClick(closeLabel, Qt::RightButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.closeClicks, 0);
}

TEST_F(SkinnedDialogTest, DrawsBarAcrossTheWidthAndStripAtTheBottom)
{
    for (const QSize size : {QSize(640, 260), QSize(300, 120), QSize(1100, 500)}) {
        SCOPED_TRACE(size.width());
        dialog.setClientSize(size.width(), size.height());
        const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shot.size(), size);
        const int w = size.width();
        const int h = size.height();

        const QImage middleImage = skin.Image_zhong1.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage strip = skin.Image_xia.toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage right = skin.Image_you1.toImage().convertToFormat(QImage::Format_ARGB32);
        const QRgb bodyPixel = shot.pixel(w / 2, kTitleBarHeight + (h - kTitleBarHeight - kBottomStripHeight) / 2);

        // Middle picture between the ends, at a few places along the bar.
        for (const int x : {kTitleLeftWidth + 1, (kTitleLeftWidth + w - kTitleRightWidth) / 2, w - kTitleRightWidth - 1}) {
            for (int y = 0; y < kTitleBarHeight; ++y)
                ASSERT_TRUE(closeColour(shot.pixel(x, y), middleImage.pixel(0, y))) << "x " << x << " y " << y;
        }
        EXPECT_FALSE(closeColour(shot.pixel(w / 2, kTitleBarHeight / 2), bodyPixel, 8));

        // The right end sits at the right edge, unscaled.
        EXPECT_EQ(shot.copy(w - kTitleRightWidth, 0, kTitleRightWidth, kTitleBarHeight), right);

        // The strip spans the full width at the very bottom.
        for (const int x : {0, w / 2, w - 1}) {
            for (int y = 0; y < kBottomStripHeight; ++y)
                ASSERT_TRUE(closeColour(shot.pixel(x, h - kBottomStripHeight + y), strip.pixel(0, y)))
                    << "x " << x << " y " << y;
        }
        EXPECT_FALSE(closeColour(shot.pixel(w / 2, h - kBottomStripHeight), bodyPixel, 8));

        // The body fills what is left.
        EXPECT_EQ(dialog.body()->geometry(), QRect(0, kTitleBarHeight, w, h - kTitleBarHeight - kBottomStripHeight));
    }
}

TEST_F(SkinnedDialogTest, DraggingTheTitleBarMovesTheWindow)
{
    const QPoint start = dialog.pos();
    QTest::mousePress(middle, Qt::LeftButton, {}, QPoint(40, 15));
    QTest::mouseMove(middle, QPoint(80, 40));
    EXPECT_EQ(dialog.pos(), start + QPoint(40, 25));
    // Local positions now refer to the moved window.
    QTest::mouseMove(middle, QPoint(50, 20));
    EXPECT_EQ(dialog.pos(), start + QPoint(50, 30));
    QTest::mouseRelease(middle, Qt::LeftButton, {}, QPoint(50, 20));

    // After the release, moving the pointer no longer drags.
    const QPoint dropped = dialog.pos();
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 30), middle->mapToGlobal(QPointF(90, 30)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(middle, &move);
    EXPECT_EQ(dialog.pos(), dropped);
}

TEST_F(SkinnedDialogTest, PressingTheBodyDoesNotDrag)
{
    const QPoint start = dialog.pos();
    QTest::mousePress(dialog.body(), Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseMove(dialog.body(), QPoint(90, 90));
    QTest::mouseRelease(dialog.body(), Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(dialog.pos(), start);
}

TEST(SkinnedButtonStyle, StylesPushButtons)
{
    // A style sheet that fails to parse leaves the platform's light grey button.
    QPushButton plain(u"确定"_s);
    plain.resize(90, 28);
    QPushButton styled(u"确定"_s);
    styled.setStyleSheet(skinnedButtonStyle());
    styled.resize(90, 28);
    const QImage plainShot = plain.grab().toImage();
    const QImage styledShot = styled.grab().toImage();
    const QRgb inside = styledShot.pixel(6, 22);
    EXPECT_NE(inside, plainShot.pixel(6, 22));
    EXPECT_LT(qGray(inside), 100);
}

} // namespace
} // namespace velumo::ui
