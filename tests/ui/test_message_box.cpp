#include "ui/message_box.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {
namespace {

class MessageBoxTest : public ::testing::Test
{
protected:
    QLabel *messageLabel() const { return box.findChild<QLabel *>(u"Label_xianshi_xiaoxi"_s); }
    QPushButton *okButton() const { return box.findChild<QPushButton *>(u"Button_queding"_s); }

    SkinPictures skin = makeSkinPictures();
    MessageBox box{skin};
};

TEST_F(MessageBoxTest, IsForm8WithItsCaptionAndSize)
{
    EXPECT_EQ(box.objectName(), u"Form8"_s);
    EXPECT_EQ(box.windowTitle(), u"提示信息"_s);
    EXPECT_EQ(box.size(), QSize(584, 204));
    ASSERT_NE(messageLabel(), nullptr);
    ASSERT_NE(okButton(), nullptr);
    EXPECT_EQ(okButton()->text(), u"确定"_s);
}

TEST_F(MessageBoxTest, MessageGoesIntoTheLabel)
{
    box.setMessage(u"确定要退出本软件吗？"_s);
    EXPECT_EQ(box.message(), u"确定要退出本软件吗？"_s);
    EXPECT_EQ(messageLabel()->text(), u"确定要退出本软件吗？"_s);
}

// A long message wraps inside the box instead of growing it, and the button stays visible.
TEST_F(MessageBoxTest, LongMessageWrapsWithinTheFixedSize)
{
    QString longText;
    for (int i = 0; i < 12; ++i)
        longText += u"相片文件无法读取，请检查文件是否存在。"_s;
    box.setMessage(longText);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_EQ(box.size(), QSize(584, 204));
    EXPECT_GT(messageLabel()->height(), messageLabel()->fontMetrics().height() * 2);
    const QRect body = box.body()->rect();
    EXPECT_TRUE(body.contains(messageLabel()->geometry()));
    EXPECT_TRUE(body.contains(okButton()->geometry()));
    EXPECT_LE(messageLabel()->geometry().bottom(), okButton()->geometry().top());
}

TEST_F(MessageBoxTest, ShowMessageIsModalCentredAndEndsWhenClosed)
{
    struct Case
    {
        const char *name;
        std::function<void(MessageBox &)> close;
        int result;
    };
    const Case cases[] = {
        {"确定", [](MessageBox &b) { QTest::mouseClick(b.findChild<QPushButton *>(u"Button_queding"_s), Qt::LeftButton); },
         QDialog::Accepted},
        {"close label", [](MessageBox &b) { QTest::mouseClick(b.findChild<QLabel *>(u"Label_guanbi"_s), Qt::LeftButton); },
         QDialog::Rejected},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        bool sawDialog = false;
        bool wasModal = false;
        QString shownText;
        QPoint centre;
        bool fired = false;
        QTimer::singleShot(0, &box, [&] {
            fired = true;
            sawDialog = box.isVisible();
            wasModal = QApplication::activeModalWidget() == &box;
            shownText = messageLabel()->text();
            centre = box.geometry().center();
            c.close(box);
        });
        // Safety net so a box that ignores the click fails the test instead of hanging it.
        QTimer::singleShot(5000, &box, [&] { box.done(-1); });

        box.showMessage(u"确定要退出本软件吗？"_s);

        EXPECT_TRUE(fired);
        EXPECT_TRUE(sawDialog);
        EXPECT_TRUE(wasModal);
        EXPECT_EQ(shownText, u"确定要退出本软件吗？"_s);
        const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
        EXPECT_LE((centre - screenCentre).manhattanLength(), 2);
        EXPECT_EQ(box.result(), c.result);
        EXPECT_FALSE(box.isVisible());
    }
}

} // namespace
} // namespace velumo::ui
