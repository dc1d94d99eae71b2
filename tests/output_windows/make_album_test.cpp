// The make-album commands from the click to the render request, headless: the checks, the
// size window, the save dialog, the lyric type question, and what reaches the render window.
#include "app/project/project_model.h"
#include "app/windows/album_commands.h"
#include "app/windows/album_length_dialog.h"
#include "app/windows/lyric_type_dialog.h"
#include "app/windows/other_settings_dialog.h"
#include "app/windows/output_size_dialog.h"
#include "render/output/output_kind.h"
#include "tests/app/modal_helper.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::answerNextMessageBox;
using velumo::test::TempTree;
using velumo::test::whenShown;

namespace {

// Records each showing of the lyric type window as it happens; when `closeAtOnce` is set it
// also closes the window, so a question that should not come ends the test instead of
// waiting for an answer.
class ShowRecorder : public QObject
{
public:
    ShowRecorder(QStringList &events, QString name)
        : m_events(events)
        , m_name(std::move(name))
    {
    }

    bool closeAtOnce = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            m_events.append(m_name);
            if (auto *dialog = qobject_cast<QDialog *>(watched); dialog != nullptr && closeAtOnce)
                QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }

private:
    QStringList &m_events;
    QString m_name;
};

class MakeAlbumTest : public ::testing::Test
{
protected:
    MakeAlbumTest()
        : commands(model, {form2, form17, form39, form49, form8}, [this](QWidget *, const SaveFilter &filter) {
            filters.append(filter.dialogFilter());
            events.append(u"save dialog"_s);
            return chosenName;
        }, nullptr)
    {
        commands.setStartRender([this](const AlbumRequest &request) {
            events.append(u"render"_s);
            requests.push_back(request);
            lyricTypeAtRender = model.form49.Edit1_shiyong_lrc_or_ksc.text();
        });
        form49.installEventFilter(&lyricTypeShown);
    }

    static void appendRows(StringTable &table, int count)
    {
        for (int i = 0; i < count; ++i)
            table.appendRow(QStringList(table.columnCount(), u"1"_s));
    }

    // Answers the size window with a size choice, a picture format and "开始制作".
    void answerSizeWindow(int sizeIndex, int formatIndex = 0)
    {
        whenShown(&form39, [this, sizeIndex, formatIndex] {
            events.append(u"size window"_s);
            form39.sizeBox()->setCurrentIndex(sizeIndex);
            form39.formatBox()->setCurrentIndex(formatIndex);
            form39.startButton()->click();
        });
    }

    void closeSizeWindowByMark()
    {
        whenShown(&form39, [this] {
            events.append(u"size window"_s);
            QTest::mouseClick(form39.findChild<QLabel *>(u"Label_guanbi"_s), Qt::LeftButton);
        });
    }

    TempTree tree;
    ProjectModel model;
    ui::SkinPictures skin = ui::makeSkinPictures();
    AlbumLengthDialog form2{model, skin};
    OtherSettingsDialog form17{model, skin};
    OutputSizeDialog form39{model, skin};
    LyricTypeDialog form49{model.form49, skin};
    ui::MessageBox form8{skin};
    QString chosenName;
    QStringList filters;
    QStringList events;
    std::vector<AlbumRequest> requests;
    QString lyricTypeAtRender;
    ShowRecorder lyricTypeShown{events, u"lyric type"_s};
    AlbumCommands commands;
};

} // namespace

TEST_F(MakeAlbumTest, WithoutPhotosTheMessageIsAllThatHappens)
{
    appendRows(model.form1.ListView_daoru_yinyue, 1);
    for (OutputKind kind : kOutputKinds) {
        QString told;
        answerNextMessageBox(&told);
        commands.makeAlbum(kind);
        EXPECT_EQ(told, u"没有添加相片文件！"_s);
    }
    EXPECT_EQ(events, QStringList());
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_leixing.text(), u"DVD"_s);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"Edit_chicun_width"_s);
}

TEST_F(MakeAlbumTest, EveryVideoKindReachesTheRenderWithItsNameAndSize)
{
    appendRows(model.form1.ListView_daoruxiangpian, 3);
    const struct
    {
        OutputKind kind;
        int sizeIndex;
        QString typed;
        QString filter;
        QString file;
        QString shown;
        int width;
        int height;
    } cases[] = {
        {OutputKind::Vcd, 2, u"vcd相册"_s, u"VCD 格式相册 (*.mpg)"_s, u"vcd相册.mpg"_s, u"vcd相册"_s, 640, 368},
        {OutputKind::Svcd, 4, u"假期 2024"_s, u"SVCD 格式相册 (*.mpg)"_s, u"假期 2024.mpg"_s, u"假期 2024"_s, 1280, 720},
        {OutputKind::Dvd, 7, u"album.mpg"_s, u"DVD 格式相册 (*.mpg)"_s, u"album.mpg.mpg"_s, u"album.mpg"_s, 1920, 1080},
        {OutputKind::Avi, 5, u"clip"_s, u"AVI 格式相册 (*.avi)"_s, u"clip.avi"_s, u"clip"_s, 1440, 816},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter.toStdString());
        events.clear();
        filters.clear();
        requests.clear();
        model.form1.Edit_VCDSVCDDVD_leixing.setText(u"XLTP"_s);
        chosenName = tree.abs(c.typed);
        answerSizeWindow(c.sizeIndex);

        commands.makeAlbum(c.kind);

        EXPECT_EQ(events, (QStringList{u"size window"_s, u"save dialog"_s, u"render"_s}));
        EXPECT_EQ(filters, QStringList{c.filter});
        ASSERT_EQ(requests.size(), 1u);
        const AlbumRequest &request = requests.front();
        EXPECT_EQ(request.kind, c.kind);
        EXPECT_EQ(request.videoOut, tree.abs(c.file));
        EXPECT_EQ(request.audioOut, tree.abs(c.file));
        EXPECT_EQ(request.shownName, c.shown);
        EXPECT_EQ(QSize(request.width, request.height), QSize(c.width, c.height));
        EXPECT_EQ(request.pictureFormat, QString());
        EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_leixing.text(), c.filter.section(u' ', 0, 0));
        EXPECT_EQ(model.form39.Edit_chicun_width.text(), QString::number(c.width));
        EXPECT_EQ(model.form39.Edit_chicun_height.text(), QString::number(c.height));
        EXPECT_FALSE(tree.exists(c.file)) << "the render window writes the file, not the command";
    }
}

TEST_F(MakeAlbumTest, EveryCommandStartsAgainFrom1280By720)
{
    appendRows(model.form1.ListView_daoruxiangpian, 1);
    chosenName = tree.abs(u"a"_s);
    answerSizeWindow(7);
    commands.makeAlbum(OutputKind::Dvd);

    std::optional<QString> shownAtOpen;
    whenShown(&form39, [&] {
        shownAtOpen = form39.shownSize()->text();
        form39.startButton()->click();
    });
    commands.makeAlbum(OutputKind::Dvd);
    EXPECT_EQ(shownAtOpen, u"1280 × 720"_s);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests.back().width, 1280);
}

TEST_F(MakeAlbumTest, CancellingTheSizeWindowOrTheSaveDialogChangesNothingElse)
{
    appendRows(model.form1.ListView_daoruxiangpian, 2);
    model.form1.Edit_VCDSVCDDVD_leixing.setText(u"AVI"_s);

    closeSizeWindowByMark();
    commands.makeAlbum(OutputKind::Vcd);
    EXPECT_EQ(events, QStringList{u"size window"_s});
    EXPECT_EQ(model.form39.Edit_quxiao.text(), u"quxiao"_s);

    chosenName.clear();
    answerSizeWindow(3);
    commands.makeAlbum(OutputKind::PictureSequence);
    EXPECT_EQ(events, (QStringList{u"size window"_s, u"size window"_s, u"save dialog"_s}));
    EXPECT_EQ(model.form39.Edit_quxiao.text(), QString()) << "started, then the dialog was cancelled";

    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_leixing.text(), u"AVI"_s);
    EXPECT_TRUE(tree.isEmptyFolder(QString()));
}

TEST_F(MakeAlbumTest, PictureSequenceMakesItsFolderAndNamesTheFirstPicture)
{
    appendRows(model.form1.ListView_daoruxiangpian, 1);
    chosenName = tree.abs(u"输出/序列 一"_s);
    answerSizeWindow(7, 2);

    commands.makeAlbum(OutputKind::PictureSequence);

    EXPECT_EQ(filters, QStringList{u"生成 TGA 序列图片 (*.TGA)"_s});
    EXPECT_TRUE(tree.isEmptyFolder(u"输出/序列 一"_s));
    ASSERT_EQ(requests.size(), 1u);
    const AlbumRequest &request = requests.front();
    EXPECT_EQ(request.kind, OutputKind::PictureSequence);
    EXPECT_EQ(request.videoOut, tree.abs(u"输出/序列 一/01.TGA"_s));
    EXPECT_EQ(request.audioOut, request.videoOut);
    EXPECT_EQ(request.shownName, u"序列 一"_s);
    EXPECT_EQ(request.pictureFormat, u"TGA"_s);
    EXPECT_EQ(QSize(request.width, request.height), QSize(1920, 1080));
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_leixing.text(), u"XLTP"_s);
}

TEST_F(MakeAlbumTest, PictureSequenceRefusesAnExistingFolderOrOneThatCannotBeMade)
{
    appendRows(model.form1.ListView_daoruxiangpian, 1);
    tree.writeFile(u"old/01.JPG"_s, "earlier");
    tree.writeFile(u"file"_s, "a file");
    const struct
    {
        QString name;
        QString message;
    } cases[] = {
        {u"old"_s, u"输入的文件名存在, 请更换保存的文件名！"_s},
        {u"file/below"_s, u"无法创建保存序列图片的文件夹："_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        chosenName = tree.abs(c.name);
        answerSizeWindow(4);
        QString told;
        answerNextMessageBox(&told);
        commands.makeAlbum(OutputKind::PictureSequence);
        EXPECT_TRUE(told.startsWith(c.message)) << told.toStdString();
    }
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_leixing.text(), u"DVD"_s);
    EXPECT_EQ(tree.isFolder(u"old"_s), true);
    EXPECT_TRUE(tree.exists(u"old/01.JPG"_s));
}

TEST_F(MakeAlbumTest, LyricTypeIsAskedBeforeTheRenderOnlyWhenSongsAndKaraokeBothExist)
{
    appendRows(model.form1.ListView_daoruxiangpian, 1);
    appendRows(model.form1.ListView_daoru_yinyue, 2);
    appendRows(model.form1.ListView_daoru_LRC, 2);
    chosenName = tree.abs(u"a"_s);

    answerSizeWindow(4);
    commands.makeAlbum(OutputKind::Dvd);
    EXPECT_EQ(events, (QStringList{u"size window"_s, u"save dialog"_s, u"render"_s})) << "no karaoke scripts";

    lyricTypeShown.closeAtOnce = false;
    appendRows(model.form1.suiListView_ksc, 1);
    for (const char *typeName : {"suiRadioButton2", "suiRadioButton1"}) {
        events.clear();
        answerSizeWindow(4);
        whenShown(&form49, [this, typeName] {
            auto *option = form49.findChild<QRadioButton *>(QString::fromLatin1(typeName));
            ASSERT_NE(option, nullptr);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            form49.okButton()->click();
        });
        commands.makeAlbum(OutputKind::Dvd);
        EXPECT_EQ(events, (QStringList{u"size window"_s, u"save dialog"_s, u"lyric type"_s, u"render"_s}));
    }
    EXPECT_EQ(lyricTypeAtRender, u"shiyong_lrc"_s);
}
