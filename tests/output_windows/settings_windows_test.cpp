// The three settings windows and the lyric type window, headless: what each choice writes and
// what each window shows when it opens.
#include "app/project/project_model.h"
#include "app/windows/album_commands.h"
#include "app/windows/album_length_dialog.h"
#include "app/windows/lyric_type_dialog.h"
#include "app/windows/other_settings_dialog.h"
#include "app/windows/output_size_dialog.h"
#include "render/output/output_kind.h"
#include "tests/app/modal_helper.h"
#include "tests/support/qt_printers.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::whenShown;

namespace {

void closeByMark(QWidget *window)
{
    auto *mark = window->findChild<QLabel *>(u"Label_guanbi"_s);
    ASSERT_NE(mark, nullptr);
    QTest::mouseClick(mark, Qt::LeftButton);
}

template<typename Control>
Control *control(QWidget *window, const QString &name)
{
    auto *found = window->findChild<Control *>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// Clicks an option the way the user does, so only the user's handlers run.
void choose(QWidget *window, const QString &name)
{
    if (auto *option = control<QAbstractButton>(window, name))
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

bool isChecked(QWidget *window, const QString &name)
{
    auto *option = control<QAbstractButton>(window, name);
    return option != nullptr && option->isChecked();
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

class SettingsWindowsTest : public ::testing::Test
{
protected:
    SettingsWindowsTest()
        : commands(model, {form2, form17, form39, form49, form8}, [](QWidget *, const SaveFilter &) { return QString(); },
                   nullptr)
    {
    }

    void addSong()
    {
        model.form1.ListView_daoru_yinyue.appendRow(QStringList(model.form1.ListView_daoru_yinyue.columnCount(), u"1"_s));
    }

    ProjectModel model;
    ui::SkinPictures skin = ui::makeSkinPictures();
    AlbumLengthDialog form2{model, skin};
    OtherSettingsDialog form17{model, skin};
    OutputSizeDialog form39{model, skin};
    LyricTypeDialog form49{model.form49, skin};
    ui::MessageBox form8{skin};
    AlbumCommands commands;
};

} // namespace

TEST_F(SettingsWindowsTest, SizeWindowOpensEveryKindOnItsListAt1280By720)
{
    const struct
    {
        OutputKind kind;
        int sizes;
        QString shownKind;
        int width;
    } cases[] = {
        {OutputKind::Vcd, 5, u"VCD"_s, 660},  {OutputKind::Svcd, 8, u"SVCD"_s, 660},
        {OutputKind::Dvd, 8, u"DVD"_s, 660},  {OutputKind::Avi, 8, u"AVI"_s, 660},
        {OutputKind::PictureSequence, 8, u"JPG"_s, 730},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shownKind.toStdString());
        // What the previous command left behind must not show through.
        form39.sizeBox()->setCurrentIndex(0);
        form39.prepare(c.kind);
        form39.show();
        EXPECT_EQ(form39.sizeBox()->count(), c.sizes);
        EXPECT_EQ(form39.sizeBox()->currentText(), u"1280 × 720"_s);
        EXPECT_EQ(form39.shownSize()->text(), u"1280 × 720"_s);
        EXPECT_EQ(form39.shownKind()->text(), c.shownKind);
        EXPECT_EQ(form39.formatBox()->isVisible(), c.kind == OutputKind::PictureSequence);
        EXPECT_EQ(form39.size(), QSize(c.width, 290));
        EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"1280"_s);
        EXPECT_EQ(model.form39.Edit_chicun_height.text(), u"720"_s);
        form39.hide();
    }
}

TEST_F(SettingsWindowsTest, ChoosingASizeWritesTheChosenWidthAndHeight)
{
    form39.prepare(OutputKind::Dvd);
    form39.sizeBox()->setCurrentIndex(7);
    EXPECT_EQ(form39.shownSize()->text(), u"1920 × 1080"_s);
    EXPECT_EQ(form39.shownKind()->text(), u"DVD"_s);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"1920"_s);
    EXPECT_EQ(model.form39.Edit_chicun_height.text(), u"1080"_s);

    form39.sizeBox()->setCurrentIndex(1);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"464"_s);
    EXPECT_EQ(model.form39.Edit_chicun_height.text(), u"256"_s);

    form39.defaultButton()->click();
    EXPECT_EQ(form39.sizeBox()->currentText(), u"1280 × 720"_s);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"1280"_s);
    EXPECT_EQ(model.form39.Edit_chicun_height.text(), u"720"_s);
}

TEST_F(SettingsWindowsTest, PictureSequenceFormatFollowsItsDropDownAndFallsBackToJpg)
{
    form39.prepare(OutputKind::PictureSequence);
    EXPECT_EQ(items(form39.formatBox()), (QStringList{u"JPG"_s, u"BMP"_s, u"TGA"_s, u"PCX"_s}));

    form39.formatBox()->setCurrentIndex(1);
    EXPECT_EQ(form39.shownKind()->text(), u"BMP"_s);
    form39.sizeBox()->setCurrentIndex(6);
    EXPECT_EQ(form39.formatBox()->currentText(), u"JPG"_s);
    EXPECT_EQ(form39.shownKind()->text(), u"JPG"_s);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"1600"_s);

    form39.formatBox()->setCurrentIndex(3);
    form39.defaultButton()->click();
    EXPECT_EQ(form39.shownSize()->text(), u"1280 × 720"_s);
    EXPECT_EQ(form39.formatBox()->currentText(), u"JPG"_s);
    EXPECT_EQ(form39.shownKind()->text(), u"JPG"_s);
}

TEST_F(SettingsWindowsTest, SizeWindowIsCancelledByItsCloseMarkOrEscapeButNotByStart)
{
    const struct
    {
        const char *how;
        std::function<void()> close;
        QString token;
    } cases[] = {
        {"close mark", [this] { closeByMark(&form39); }, u"quxiao"_s},
        {"Escape", [this] { QTest::keyClick(&form39, Qt::Key_Escape); }, u"quxiao"_s},
        {"开始制作", [this] { form39.startButton()->click(); }, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        model.form39.Edit_quxiao.setText(QString());
        form39.prepare(OutputKind::Svcd);
        whenShown(&form39, c.close);
        form39.exec();
        EXPECT_EQ(model.form39.Edit_quxiao.text(), c.token);
        EXPECT_FALSE(form39.isVisible());
    }
}

TEST_F(SettingsWindowsTest, OtherSettingsWriteTheirTokensAtOnce)
{
    whenShown(&form17, [this] {
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_PAL"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_gaoqing_huazhi"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_hengzhaopian_quanping"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_shuzhaopian_jubufangda"_s));

        choose(&form17, u"suiRadioButton_NTSC"_s);
        EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_zhishi.text(), u"NTSC"_s);
        choose(&form17, u"suiRadioButton_yiban_huazhi"_s);
        EXPECT_EQ(model.form1.Edit_huanmian_zhiliang.text(), u"yiban_huazhi"_s);

        // A crop choice changes the crop mode only.
        choose(&form17, u"suiRadioButton_hengzhaopian_moren"_s);
        choose(&form17, u"suiRadioButton_shuzhaopian_moren"_s);
        EXPECT_TRUE(model.form17.suiRadioButton_hengzhaopian_moren);
        EXPECT_FALSE(model.form17.suiRadioButton_hengzhaopian_quanping);
        EXPECT_TRUE(model.form17.suiRadioButton_shuzhaopian_moren);
        EXPECT_FALSE(model.form17.suiRadioButton_shuzhaopian_jubufangda);
        EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_zhishi.text(), u"NTSC"_s);
        EXPECT_EQ(model.form1.Edit_huanmian_zhiliang.text(), u"yiban_huazhi"_s);
        closeByMark(&form17);
    });
    commands.showOtherSettings();

    // Opening again shows what is set now, including tokens set elsewhere.
    model.form1.Edit_huanmian_zhiliang.setText(u"gaoqing_huazhi"_s);
    whenShown(&form17, [this] {
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_NTSC"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_gaoqing_huazhi"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_hengzhaopian_moren"_s));
        EXPECT_TRUE(isChecked(&form17, u"suiRadioButton_shuzhaopian_moren"_s));
        choose(&form17, u"suiRadioButton_PAL"_s);
        closeByMark(&form17);
    });
    commands.showOtherSettings();
    EXPECT_EQ(model.form1.Edit_VCDSVCDDVD_zhishi.text(), u"PAL"_s);
}

TEST_F(SettingsWindowsTest, AlbumLengthWithoutSongsAlwaysOpensOnPhotoLengthWithNoFill)
{
    model.form1.Edit_tongbu_shezhi.setText(u"sui_yinyue_tongbu"_s);
    model.form2 = {false, true, true, true};
    whenShown(&form2, [this] {
        EXPECT_TRUE(isChecked(&form2, u"suiRadioButton1"_s));
        EXPECT_FALSE(isChecked(&form2, u"suiRadioButton2"_s));
        EXPECT_FALSE(isChecked(&form2, u"suiCheckBox1"_s));
        EXPECT_FALSE(isChecked(&form2, u"suiCheckBox2"_s));
        closeByMark(&form2);
    });
    commands.showAlbumLength();
    EXPECT_EQ(model.form1.Edit_tongbu_shezhi.text(), u"sui_zhaopian_tongbu"_s);
    EXPECT_TRUE(model.form2.RadioButton1);
    EXPECT_FALSE(model.form2.CheckBox1);
    EXPECT_FALSE(model.form2.CheckBox2);
}

TEST_F(SettingsWindowsTest, AlbumLengthChoicesSetTheHiddenTwinsAndTheToken)
{
    addSong();
    whenShown(&form2, [this] {
        choose(&form2, u"suiRadioButton2"_s);
        EXPECT_EQ(model.form1.Edit_tongbu_shezhi.text(), u"sui_yinyue_tongbu"_s);
        EXPECT_TRUE(model.form2.RadioButton2);
        EXPECT_FALSE(model.form2.RadioButton1);

        choose(&form2, u"suiCheckBox1"_s);
        choose(&form2, u"suiCheckBox2"_s);
        EXPECT_TRUE(model.form2.CheckBox1);
        EXPECT_TRUE(model.form2.CheckBox2);

        // Photo length unticks looping the pictures, on screen and in the twin.
        choose(&form2, u"suiRadioButton1"_s);
        EXPECT_EQ(model.form1.Edit_tongbu_shezhi.text(), u"sui_zhaopian_tongbu"_s);
        EXPECT_TRUE(model.form2.RadioButton1);
        EXPECT_FALSE(model.form2.CheckBox2);
        EXPECT_FALSE(isChecked(&form2, u"suiCheckBox2"_s));
        EXPECT_TRUE(model.form2.CheckBox1);

        choose(&form2, u"suiCheckBox1"_s);
        EXPECT_FALSE(model.form2.CheckBox1);
        closeByMark(&form2);
    });
    commands.showAlbumLength();
}

TEST_F(SettingsWindowsTest, LyricTypeOpensOnBothAndEachChoiceSetsTheToken)
{
    model.form49.Edit1_shiyong_lrc_or_ksc.setText(u"shiyong_lrc"_s);
    whenShown(&form49, [this] {
        EXPECT_TRUE(isChecked(&form49, u"suiRadioButton3"_s));
        EXPECT_EQ(model.form49.Edit1_shiyong_lrc_or_ksc.text(), u"shiyong_lrcksc"_s);
        choose(&form49, u"suiRadioButton1"_s);
        EXPECT_EQ(model.form49.Edit1_shiyong_lrc_or_ksc.text(), u"shiyong_lrc"_s);
        choose(&form49, u"suiRadioButton2"_s);
        EXPECT_EQ(model.form49.Edit1_shiyong_lrc_or_ksc.text(), u"shiyong_ksc"_s);
        form49.okButton()->click();
    });
    form49.exec();
    EXPECT_EQ(model.form49.Edit1_shiyong_lrc_or_ksc.text(), u"shiyong_ksc"_s);
}
