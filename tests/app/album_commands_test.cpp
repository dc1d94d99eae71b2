// The settings and make-album buttons of the main window, through the whole program: the
// windows they open, the summary that follows the settings, and the render hook at the end.
#include "app/windows/album_commands.h"
#include "app/windows/application.h"
#include "app/windows/main_window.h"
#include "app/windows/other_settings_dialog.h"
#include "app/windows/album_length_dialog.h"
#include "app/windows/output_size_dialog.h"
#include "tests/app/modal_helper.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::answerNextMessageBox;
using velumo::test::TempTree;
using velumo::test::whenShown;

namespace {

class AlbumButtonsTest : public ::testing::Test
{
protected:
    AlbumButtonsTest()
    {
        app = std::make_unique<Application>(ApplicationSetup{
            ProgramFolder(program.path()),
            defaultTemplatePlayerFactory(),
            [](int) {},
            lockFolder.path(),
            [](QWidget *) { return QStringList(); },
            std::make_shared<SeededRandomSource>(7),
        });
        started = !app->start().has_value();
        QTest::qWait(30);
    }

    void clickMain(const QString &button) { clickIn(app->windows().Form1, button); }

    static void clickIn(QWidget *window, const QString &name)
    {
        auto *widget = window->findChild<QWidget *>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }

    // The summary column refreshes every 50 ms.
    QString summary(const QString &label)
    {
        QTest::qWait(120);
        auto *shown = app->windows().Form1->findChild<QLabel *>(label);
        return shown != nullptr ? shown->text() : u"(no label)"_s;
    }

    static void appendRow(StringTable &table)
    {
        table.appendRow(QStringList(table.columnCount(), u"1"_s));
    }

    TempTree program;
    TempTree lockFolder;
    TempTree output;
    std::unique_ptr<Application> app;
    bool started = false;
};

} // namespace

TEST_F(AlbumButtonsTest, SettingsButtonsOpenTheirWindowsAndTheSummaryFollows)
{
    ASSERT_TRUE(started);
    EXPECT_EQ(summary(u"Label_dianshi_zhishi"_s), u"PAL制式"_s);
    EXPECT_EQ(summary(u"Label_huamian_zhiliang"_s), u"高清画质"_s);

    whenShown(app->windows().Form17, [this] {
        clickIn(app->windows().Form17, u"suiRadioButton_NTSC"_s);
        clickIn(app->windows().Form17, u"suiRadioButton_yiban_huazhi"_s);
        clickIn(app->windows().Form17, u"Label_guanbi"_s);
    });
    clickMain(u"suiButton6"_s); // 其它设置
    EXPECT_FALSE(app->windows().Form17->isVisible());
    EXPECT_EQ(summary(u"Label_dianshi_zhishi"_s), u"NTSC制式"_s);
    EXPECT_EQ(summary(u"Label_huamian_zhiliang"_s), u"一般画质"_s);

    appendRow(app->model().form1.ListView_daoru_yinyue);
    whenShown(app->windows().Form2, [this] {
        clickIn(app->windows().Form2, u"suiRadioButton2"_s);
        clickIn(app->windows().Form2, u"Label_guanbi"_s);
    });
    clickMain(u"suiButton4"_s); // 相册长度
    EXPECT_EQ(summary(u"Label_xiangce_changdu"_s), u"音乐为准"_s);
    EXPECT_TRUE(app->model().form2.RadioButton2);
}

TEST_F(AlbumButtonsTest, MakeAlbumButtonsCheckForPhotosAndEndAtTheRenderHook)
{
    ASSERT_TRUE(started);
    QString told;
    answerNextMessageBox(&told);
    clickMain(u"suiButton9"_s); // DVD
    EXPECT_EQ(told, u"没有添加相片文件！"_s);
    EXPECT_FALSE(app->windows().Form39->isVisible());

    appendRow(app->model().form1.ListView_daoruxiangpian);
    QStringList filters;
    app->album().setFileChooser([&](QWidget *, const SaveFilter &filter) {
        filters.append(filter.dialogFilter());
        return output.abs(u"我的相册"_s);
    });

    std::vector<AlbumRequest> requests;
    app->album().setStartRender([&](const AlbumRequest &request) { requests.push_back(request); });
    whenShown(app->windows().Form39, [this] { app->windows().Form39->startButton()->click(); });
    clickMain(u"suiButton10"_s); // AVI
    EXPECT_EQ(filters, QStringList{u"AVI 格式相册 (*.avi)"_s});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, OutputKind::Avi);
    requests.clear();

    whenShown(app->windows().Form39, [this] {
        app->windows().Form39->sizeBox()->setCurrentIndex(0);
        app->windows().Form39->startButton()->click();
    });
    clickMain(u"suiButton7"_s); // VCD
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, OutputKind::Vcd);
    EXPECT_EQ(requests[0].videoOut, output.abs(u"我的相册.mpg"_s));
    EXPECT_EQ(requests[0].shownName, u"我的相册"_s);
    EXPECT_EQ(QSize(requests[0].width, requests[0].height), QSize(320, 176));
    EXPECT_EQ(app->model().form1.Edit_VCDSVCDDVD_leixing.text(), u"VCD"_s);
    EXPECT_EQ(app->model().form39.Edit_chicun_width.text(), u"320"_s);
}
