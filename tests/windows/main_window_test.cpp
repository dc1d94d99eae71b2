#include "app/windows/main_window.h"

#include "app/base/failure.h"
#include "app/panels/item_hint_text.h"
#include "app/project/project_model.h"
#include "app/windows/hint_window.h"
#include "app/windows/media_panel_view.h"
#include "tests/app/modal_helper.h"
#include "tests/panels/media_rows.h"
#include "tests/support/temp_tree.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

using test::TempTree;

// A window whose media frame is 880 x 600 pixels.
constexpr QSize kWindowSize(880 + 364, 700);

QRgb photoColour(int n)
{
    return QColor::fromHsv((n * 29) % 360, 200, 220).rgb();
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.setMessageBox(&box);
        window.setHintWindows(&buttonHint, {&photoHint, &musicHint, &lyricHint});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.resize(kWindowSize);
    }

    // Photos whose thumbnails are plain pictures of their own colour.
    void addPhotos(int count)
    {
        QDir().mkpath(tree.abs(u"smxcwjj/tp_wj/tp_slt_1"_s));
        for (int n = 1; n <= count; ++n) {
            test::addPhoto(model.form1, u"photo%1"_s.arg(n), n);
            QImage thumb(158, 121, QImage::Format_RGB32);
            thumb.fill(photoColour(n));
            ASSERT_TRUE(thumb.save(tree.abs(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_%1.bmp"_s.arg(n))));
        }
        model.form1.Edit_mobanleijia_sum.setText(QString::number(count));
        window.rebuildPhotoPanel();
        window.showPhotoArea();
    }

    void addSongs(int count)
    {
        for (int n = 1; n <= count; ++n)
            test::addSong(model.form1, u"song%1"_s.arg(n));
        window.rebuildMusicPanel();
        window.showMusicArea();
    }

    MediaPanelView *photos() const { return window.panel(MediaKind::Photos); }
    QWidget *thumbnail(MediaKind kind, int index) const { return window.panel(kind)->thumbnail(index); }

    QRgb shownColour(int index) const
    {
        auto *label = qobject_cast<QLabel *>(thumbnail(MediaKind::Photos, index));
        return label->pixmap().toImage().pixel(10, 10);
    }

    QPushButton *button(const QString &name) const { return window.findChild<QPushButton *>(name); }

    // Presses the left button on a thumbnail and releases it `offset` pixels away from the
    // place of thumbnail `target`.
    void dragOnto(MediaKind kind, int dragged, int target, QPoint offset)
    {
        QWidget *control = thumbnail(kind, dragged);
        const QPoint grab(20, 20);
        QTest::mousePress(control, Qt::LeftButton, {}, grab);
        const QPoint place = thumbnail(kind, target)->pos() + offset;
        const QPoint global = window.panel(kind)->innerPanel()->mapToGlobal(place + grab);
        QTest::mouseMove(control, control->mapFromGlobal(global));
        QTest::mouseRelease(control, Qt::LeftButton, {}, control->mapFromGlobal(global));
    }

    QStringList names(const StringTable &table, int column) const
    {
        QStringList cells;
        for (int row = 0; row < table.rowCount(); ++row)
            cells.append(table.cell(row, column));
        return cells;
    }

    TempTree tree;
    ProjectModel model;
    ui::SkinPictures skin = ui::makeSkinPictures();
    MainWindow window{skin, model, ProgramFolder(tree.path()), [](int) {}};
    ui::MessageBox box{skin, &window};
    HintWindow buttonHint{u"Form30"_s, u"提示窗口"_s, &window};
    HintWindow photoHint{u"Form31"_s, u"相片控件渐变提示信息"_s, &window};
    HintWindow musicHint{u"Form32"_s, u"音乐控件渐变提示信息"_s, &window};
    HintWindow lyricHint{u"Form33"_s, u"歌词控件渐变提示信息"_s, &window};
};

TEST_F(MainWindowTest, TwelvePhotosAreLaidOutInFourColumnsFromTheirThumbnailFiles)
{
    ASSERT_EQ(photos()->size(), QSize(880, 600));
    EXPECT_TRUE(photos()->idleAnimationRunning());
    addPhotos(12);

    EXPECT_FALSE(photos()->idleAnimationRunning());
    EXPECT_EQ(model.form1.Edit_xianshikuang_pailie.text(), u"12"_s);
    ASSERT_EQ(photos()->thumbnailCount(), 12);
    EXPECT_EQ(thumbnail(MediaKind::Photos, 4)->objectName(), u"Imagem_4"_s);
    EXPECT_EQ(thumbnail(MediaKind::Photos, 4)->pos(), QPoint(10, 210));
    EXPECT_EQ(photos()->innerPanel()->height(), 600);
    EXPECT_EQ(shownColour(7), photoColour(8));
    EXPECT_FALSE(photos()->findChild<QLabel *>(u"Image_jindutiao_1"_s)->isVisible()) << "600 fits the frame";
}

TEST_F(MainWindowTest, DroppingNearANeighbourExchangesThePhotosAndFartherDoesNot)
{
    addPhotos(3);
    const struct
    {
        int offset;
        bool exchanged;
    } cases[] = {{50, false}, {49, true}};
    for (const auto &c : cases) {
        const QStringList before = names(model.form1.ListView_daoruxiangpian, 2);
        dragOnto(MediaKind::Photos, 0, 1, QPoint(c.offset, 0));
        EXPECT_EQ(thumbnail(MediaKind::Photos, 0)->pos(), QPoint(10, 10)) << "back in its place";
        const QStringList after = names(model.form1.ListView_daoruxiangpian, 2);
        EXPECT_EQ(after != before, c.exchanged) << c.offset;
    }
    EXPECT_EQ(names(model.form1.ListView_daoruxiangpian, 2), (QStringList{u"photo2"_s, u"photo1"_s, u"photo3"_s}));
    EXPECT_EQ(shownColour(0), photoColour(2)) << "the first thumbnail shows the former second photo";
    EXPECT_EQ(shownColour(1), photoColour(1));
}

TEST_F(MainWindowTest, ADoubleClickOpensThePreviewAndNeverSwaps)
{
    addPhotos(2);
    // No preview yet: nothing visible happens.
    QTest::mouseDClick(thumbnail(MediaKind::Photos, 1), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(box.isVisible());

    std::vector<int> previewed;
    window.setItemCommand(MainCommand::PreviewPhoto, [&](int row) {
        previewed.push_back(row);
        model.form1.Edit_shuangji_yulan_or_qitacaozuo.setText(u"shuangji_yulan"_s);
    });
    QTest::mouseDClick(thumbnail(MediaKind::Photos, 1), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(previewed, std::vector<int>{1});
    EXPECT_EQ(names(model.form1.ListView_daoruxiangpian, 2), (QStringList{u"photo1"_s, u"photo2"_s}));
}

TEST_F(MainWindowTest, CommandsNotYetAvailableSaySoAndRegisteredOnesRun)
{
    QString told;
    test::answerNextMessageBox(&told);
    QTest::mouseClick(button(u"suiButton2"_s), Qt::LeftButton);
    EXPECT_EQ(told, u"“添加音乐”功能尚未开放，敬请期待。"_s);

    int added = 0;
    window.setCommand(MainCommand::AddMusic, [&] { ++added; });
    QTest::mouseClick(button(u"suiButton2"_s), Qt::LeftButton);
    EXPECT_EQ(added, 1);

    window.setCommand(MainCommand::MakeDvd, [] { throw Failure(u"没有找到相片文件！"_s); });
    told.clear();
    test::answerNextMessageBox(&told);
    QTest::mouseClick(button(u"suiButton9"_s), Qt::LeftButton);
    EXPECT_EQ(told, u"没有找到相片文件！"_s);
}

TEST_F(MainWindowTest, ItemCommandsGetTheSelectedRowOfTheirShownPanelOnly)
{
    addPhotos(3);
    addSongs(3);
    std::vector<int> rows;
    window.setItemCommand(MainCommand::DeleteMusic, [&](int row) { rows.push_back(row); });
    QPushButton *deleteSong = button(u"suiPanel_yinyuequyu_删除"_s);
    ASSERT_NE(deleteSong, nullptr);

    QTest::mouseClick(deleteSong, Qt::LeftButton);
    QTest::mousePress(thumbnail(MediaKind::Music, 2), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(thumbnail(MediaKind::Music, 2), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(deleteSong, Qt::LeftButton);
    window.showPhotoArea();
    QTest::mouseClick(deleteSong, Qt::LeftButton);

    EXPECT_EQ(rows, (std::vector<int>{kNoItemSelected, 2, kNoItemSelected}));
}

TEST_F(MainWindowTest, SwitchingToMusicClearsTheSelectionAndPhotoListModeKeepsIt)
{
    addPhotos(3);
    QTest::mousePress(thumbnail(MediaKind::Photos, 1), Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(thumbnail(MediaKind::Photos, 1), Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_EQ(model.form1.Edit_xiangpian_down_id.text(), u"1"_s);

    QTest::mouseClick(button(u"suiPanel_xiangpianquyu_列表"_s), Qt::LeftButton);
    EXPECT_EQ(model.form1.Edit_tubiao_liebiao.text(), u"liebiao"_s);
    EXPECT_EQ(model.form1.Edit_xiangpian_down_id.text(), u"1"_s);
    QTableWidget *list = photos()->listView();
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->geometry(), photos()->rect());
    EXPECT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->item(2, 1)->text(), u"photo3"_s);

    window.showMusicArea();
    EXPECT_EQ(model.form1.Edit_xiangpian_down_id.text(), u"wu"_s);
    EXPECT_EQ(model.form1.Edit_tubiao_liebiao.text(), u"tubiao"_s);
    EXPECT_FALSE(photos()->isVisible());
}

TEST_F(MainWindowTest, TheMusicMenuListsItsEntriesInOrder)
{
    addSongs(1);
    QStringList entries;
    QTimer::singleShot(50, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    entries.append(action->text());
            }
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), thumbnail(MediaKind::Music, 0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(thumbnail(MediaKind::Music, 0), &event);
    EXPECT_EQ(entries, (QStringList{u"删除音乐"_s, u"全部删除"_s, u"手动绑定"_s, u"自动绑定"_s, u"手动解绑"_s,
                                    u"全部解绑"_s, u"图标格式"_s, u"列表格式"_s, u"音乐预览"_s}));
}

TEST_F(MainWindowTest, DoubleClickingTheTitleBarTwiceReturnsToTheStartLayout)
{
    window.applyLayout(WindowLayout::Start);
    const QRect start = window.geometry();
    auto *middle = window.findChild<QLabel *>(u"Image_zhong1"_s);
    QTest::mouseDClick(middle, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(window.layoutTokenText(), u"quanpingbuju"_s);
    EXPECT_EQ(window.geometry(), window.screen()->geometry());
    QTest::mouseDClick(middle, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(window.layoutTokenText(), u"kaishibuju"_s);
    EXPECT_EQ(window.geometry(), start);
}

TEST_F(MainWindowTest, TheSummaryFollowsTheSettingsWithinARefresh)
{
    auto *standard = window.findChild<QLabel *>(u"Label_dianshi_zhishi"_s);
    ASSERT_NE(standard, nullptr);
    QTest::qWait(80);
    EXPECT_EQ(standard->text(), u"PAL制式"_s);
    model.form1.Edit_VCDSVCDDVD_zhishi.setText(u"NTSC"_s);
    test::addSong(model.form1, u"s"_s);
    QTest::qWait(80);
    EXPECT_EQ(standard->text(), u"NTSC制式"_s);
    EXPECT_EQ(window.findChild<QLabel *>(u"Label_yinyue_shuliang"_s)->text(), u"1"_s);
}

TEST_F(MainWindowTest, HoveringAnItemAsksForItsHintAndLeavingClosesItAtOnce)
{
    addPhotos(3);
    QWidget *item = thumbnail(MediaKind::Photos, 2);
    QCursor::setPos(item->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(item, QPoint(30, 30));
    EXPECT_EQ(photoHint.lines(), itemHintLines(model.form1, MediaKind::Photos, 2));
    EXPECT_EQ(photoHint.fade().running(), HintFade::Running::FadeIn);

    QCursor::setPos(window.mapToGlobal(QPoint(2, 2)));
    QTest::qWait(30);
    EXPECT_EQ(photoHint.fade().running(), HintFade::Running::None);
    EXPECT_FALSE(photoHint.isVisible());
}

TEST_F(MainWindowTest, EnteringAButtonAsksForItsHintAndLeavingBeforeItShowsDropsIt)
{
    QPushButton *addPhotos = button(u"suiButton1"_s);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(addPhotos, &enter);
    EXPECT_EQ(buttonHint.lines(), QStringList{u"支持多个相片文件一起添加使用"_s});
    EXPECT_EQ(buttonHint.fade().running(), HintFade::Running::FadeIn);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(addPhotos, &leave);
    EXPECT_EQ(buttonHint.fade().running(), HintFade::Running::None);
    EXPECT_FALSE(buttonHint.isVisible());
}

} // namespace
} // namespace velumo
