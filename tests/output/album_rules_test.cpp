// What the make-album commands check, and the choices of the settings windows.
#include "app/base/failure.h"
#include "app/project/project_model.h"
#include "render/output/album_length.h"
#include "render/output/album_preconditions.h"
#include "render/output/setting_tokens.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

void appendBlankRow(StringTable &table)
{
    table.appendRow(QStringList(table.columnCount(), u"1"_s));
}

QString failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Failure &failure) {
        return failure.message();
    }
    return QString();
}

} // namespace

TEST(AlbumPreconditionsTest, AnAlbumNeedsPhotos)
{
    ProjectModel model;
    appendBlankRow(model.form1.ListView_daoru_yinyue);
    EXPECT_EQ(failureOf([&] { requirePhotos(model.form1); }), u"没有添加相片文件！"_s);

    appendBlankRow(model.form1.ListView_daoruxiangpian);
    EXPECT_EQ(failureOf([&] { requirePhotos(model.form1); }), QString());
}

TEST(AlbumPreconditionsTest, LyricTypeIsAskedOnlyWithSongsAndKaraokeScripts)
{
    const struct
    {
        int songs;
        int scripts;
        int lyrics;
        bool asks;
    } cases[] = {
        {0, 0, 0, false}, {2, 0, 2, false}, {0, 1, 0, false}, {1, 1, 0, true}, {2, 1, 1, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.songs << " songs, " << c.scripts << " scripts, " << c.lyrics << " lyrics");
        ProjectModel model;
        for (int i = 0; i < c.songs; ++i)
            appendBlankRow(model.form1.ListView_daoru_yinyue);
        for (int i = 0; i < c.scripts; ++i)
            appendBlankRow(model.form1.suiListView_ksc);
        for (int i = 0; i < c.lyrics; ++i)
            appendBlankRow(model.form1.ListView_daoru_LRC);
        EXPECT_EQ(asksLyricType(model.form1), c.asks);
    }
}

TEST(AlbumPreconditionsTest, PictureFolderIsMadeWithItsParentsButNeverReused)
{
    TempTree tree;
    const QString folder = tree.abs(u"相册/2024/序列"_s);
    EXPECT_EQ(failureOf([&] { createPictureFolder(folder); }), QString());
    EXPECT_TRUE(tree.isEmptyFolder(u"相册/2024/序列"_s));

    EXPECT_EQ(failureOf([&] { createPictureFolder(folder); }), u"输入的文件名存在, 请更换保存的文件名！"_s);
    tree.writeFile(u"相册/2024/序列/01.JPG"_s);
    EXPECT_EQ(failureOf([&] { createPictureFolder(folder); }), u"输入的文件名存在, 请更换保存的文件名！"_s);
    EXPECT_TRUE(tree.exists(u"相册/2024/序列/01.JPG"_s)) << "the earlier sequence stays";
}

TEST(AlbumPreconditionsTest, PictureFolderThatCannotBeMadeIsReportedByName)
{
    TempTree tree;
    tree.writeFile(u"taken"_s, "a file, not a folder");
    for (const QString &folder : {tree.abs(u"taken"_s), tree.abs(u"taken/below"_s)}) {
        SCOPED_TRACE(folder.toStdString());
        const QString message = failureOf([&] { createPictureFolder(folder); });
        EXPECT_TRUE(message.startsWith(u"无法创建保存序列图片的文件夹："_s)) << message.toStdString();
        EXPECT_TRUE(message.contains(folder)) << message.toStdString();
    }
    QFile file(tree.abs(u"taken"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "a file, not a folder");
}

TEST(SettingTokensTest, StandardAndQualityWriteTheirTokensAndReadBack)
{
    ProjectModel model;
    EXPECT_EQ(tvStandard(model.form1), TvStandard::Pal);
    EXPECT_EQ(pictureQuality(model.form1), PictureQuality::High);

    setTvStandard(model.form1, TvStandard::Ntsc);
    setPictureQuality(model.form1, PictureQuality::Normal);
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_zhishi.text(), u"NTSC"_s);
    EXPECT_EQ(model.form1.Edit_huanmian_zhiliang.text(), u"yiban_huazhi"_s);
    EXPECT_EQ(tvStandard(model.form1), TvStandard::Ntsc);
    EXPECT_EQ(pictureQuality(model.form1), PictureQuality::Normal);

    setTvStandard(model.form1, TvStandard::Pal);
    setPictureQuality(model.form1, PictureQuality::High);
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_zhishi.text(), u"PAL"_s);
    EXPECT_EQ(model.form1.Edit_huanmian_zhiliang.text(), u"gaoqing_huazhi"_s);

    model.form1.Edit_VCDSVCDDVD_zhishi.setText(u"pal"_s);
    model.form1.Edit_huanmian_zhiliang.setText(u"Edit_huanmian_zhiliang"_s);
    EXPECT_EQ(tvStandard(model.form1), std::nullopt);
    EXPECT_EQ(pictureQuality(model.form1), std::nullopt);
}

TEST(SettingTokensTest, EachCropPairKeepsExactlyOneChoice)
{
    Form17State state;
    EXPECT_EQ(landscapeCrop(state), LandscapeCrop::FullScreen);
    EXPECT_EQ(portraitCrop(state), PortraitCrop::Enlarge);

    setLandscapeCrop(state, LandscapeCrop::TemplateDefault);
    EXPECT_FALSE(state.suiRadioButton_hengzhaopian_quanping);
    EXPECT_TRUE(state.suiRadioButton_hengzhaopian_moren);
    EXPECT_TRUE(state.suiRadioButton_shuzhaopian_jubufangda) << "the portrait pair is its own";

    setPortraitCrop(state, PortraitCrop::TemplateDefault);
    setLandscapeCrop(state, LandscapeCrop::FullScreen);
    EXPECT_TRUE(state.suiRadioButton_hengzhaopian_quanping);
    EXPECT_FALSE(state.suiRadioButton_hengzhaopian_moren);
    EXPECT_FALSE(state.suiRadioButton_shuzhaopian_jubufangda);
    EXPECT_TRUE(state.suiRadioButton_shuzhaopian_moren);
    EXPECT_EQ(portraitCrop(state), PortraitCrop::TemplateDefault);
}

TEST(SettingTokensTest, LyricTypeTokens)
{
    Form49State state;
    EXPECT_EQ(lyricType(state), LyricType::Both);
    const std::pair<LyricType, QString> cases[] = {
        {LyricType::Lrc, u"shiyong_lrc"_s}, {LyricType::Karaoke, u"shiyong_ksc"_s}, {LyricType::Both, u"shiyong_lrcksc"_s}};
    for (const auto &[type, token] : cases) {
        setLyricType(state, type);
        EXPECT_EQ(state.Edit1_shiyong_lrc_or_ksc.text(), token);
        EXPECT_EQ(lyricType(state), type);
    }
}

class AlbumLengthTest : public ::testing::Test
{
protected:
    // Music length with both fill options ticked, as a user may leave it.
    void chooseMusicWithBothFills()
    {
        chooseAlbumLength(model, AlbumLengthMode::Music);
        model.form2.CheckBox1 = true;
        model.form2.CheckBox2 = true;
    }

    void expectState(const QString &token, bool photos, bool loopMusic, bool loopPictures)
    {
        EXPECT_EQ(model.form1.Edit_tongbu_shezhi.text(), token);
        EXPECT_EQ(model.form2.RadioButton1, photos);
        EXPECT_EQ(model.form2.RadioButton2, !photos);
        EXPECT_EQ(model.form2.CheckBox1, loopMusic);
        EXPECT_EQ(model.form2.CheckBox2, loopPictures);
    }

    ProjectModel model;
};

TEST_F(AlbumLengthTest, MusicLengthKeepsTheFillOptionsAndPhotoLengthDropsLoopingPictures)
{
    chooseMusicWithBothFills();
    expectState(u"sui_yinyue_tongbu"_s, false, true, true);
    EXPECT_EQ(albumLengthMode(model.form2), AlbumLengthMode::Music);

    chooseAlbumLength(model, AlbumLengthMode::Photos);
    expectState(u"sui_zhaopian_tongbu"_s, true, true, false);
    EXPECT_EQ(albumLengthMode(model.form2), AlbumLengthMode::Photos);
}

TEST_F(AlbumLengthTest, WithoutSongsTheWindowOpensOnPhotoLengthWithNoFill)
{
    chooseMusicWithBothFills();
    prepareAlbumLength(model);
    expectState(u"sui_zhaopian_tongbu"_s, true, false, false);
}

TEST_F(AlbumLengthTest, WithSongsTheWindowOpensOnTheLastChoice)
{
    appendBlankRow(model.form1.ListView_daoru_yinyue);
    chooseMusicWithBothFills();
    prepareAlbumLength(model);
    expectState(u"sui_yinyue_tongbu"_s, false, true, true);
}
