#include "assign/template_instances.h"

#include "app/project/form1_state.h"
#include "app/project/main_form_state.h"
#include "app/project/photo_columns.h"
#include "app/workspace/working_tree.h"
#include "templates/template_package.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

namespace pc = photo_column;

class TemplateInstances : public ::testing::Test
{
protected:
    void SetUp() override
    {
        working_tree::prepare(program);
        tree.writeFile(u"lib/a.rar"_s, wrapPackage("movie A"));
        tree.writeFile(u"lib/b.rar"_s, wrapPackage("movie B"));
        tree.writeFile(u"smxcwjj/wj_0_or_1/wj_1.rar"_s, wrapPackage("closing movie"));
    }

    void addPhoto(const QString &instance, const QString &package, const QString &thumbnailMark)
    {
        QStringList row(22);
        row[pc::kInstance] = instance;
        row[pc::kMoviePackage] = tree.abs(u"lib/"_s + package);
        row[pc::kThumbnailMark] = thumbnailMark;
        row[pc::kFittingMark] = thumbnailMark;
        form1.ListView_daoruxiangpian.appendRow(row);
        form1.Edit_mobanleijia_sum.setText(instance);
    }

    void prepare()
    {
        prepareInstances(program, form1, mainForm, [this] { ++steps; }, [] {});
    }

    QByteArray read(const QString &relative)
    {
        QFile file(tree.abs(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QStringList scratchNumbersUsed()
    {
        QStringList names = QDir(tree.abs(u"smxcwjj/wj_0_or_1/wj_1_jy"_s)).entryList({u"*-1.rar"_s}, QDir::Files, QDir::Name);
        return names;
    }

    TempTree tree;
    ProgramFolder program{tree.path()};
    Form1State form1;
    MainFormState mainForm;
    int steps = 0;
};

TEST_F(TemplateInstances, FirstImportMakesOneFolderAndMoviePerInstance)
{
    addPhoto(u"1"_s, u"a.rar"_s, u"jiancai_no"_s);
    addPhoto(u"1"_s, u"a.rar"_s, u"jiancai_no"_s);
    addPhoto(u"2"_s, u"b.rar"_s, u"jiancai_no"_s);
    prepare();

    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s), "movie A");
    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_2/w_j_2.rar"_s), "movie B");
    EXPECT_EQ(mainForm.Edit_daoru_moban_kaishishiyong_kaiguan.text(), u"guan"_s);
    // One number for the stage and one per row; the second photo of instance 1 unpacks nothing.
    EXPECT_EQ(mainForm.Edit_wj_1_jy_leijia.text(), u"4"_s);
    EXPECT_EQ(scratchNumbersUsed(), QStringList({u"wj_1_jy2-1.rar"_s, u"wj_1_jy4-1.rar"_s}));
    EXPECT_EQ(mainForm.Edit_str_mulu1.text(), program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\tp_wjj_"_s));
    EXPECT_EQ(steps, 1);
}

TEST_F(TemplateInstances, LaterImportLeavesEarlierInstancesAndNumbersScratchFilesAfresh)
{
    addPhoto(u"1"_s, u"a.rar"_s, u"jiancai_no"_s);
    prepare();
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s, "fitted photo");
    form1.ListView_daoruxiangpian.setCell(0, pc::kThumbnailMark, u"jiancai_yes"_s);

    addPhoto(u"2"_s, u"b.rar"_s, u"jiancai_no"_s);
    addPhoto(u"3"_s, u"a.rar"_s, u"jiancai_no"_s);
    prepare();

    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s), "fitted photo");
    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_2/w_j_2.rar"_s), "movie B");
    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_3/w_j_3.rar"_s), "movie A");
    EXPECT_EQ(mainForm.Edit_wj_1_jy_leijia.text(), u"6"_s);
    EXPECT_EQ(scratchNumbersUsed(), QStringList({u"wj_1_jy2-1.rar"_s, u"wj_1_jy5-1.rar"_s, u"wj_1_jy6-1.rar"_s}));
}

TEST_F(TemplateInstances, ImportIntoAnEmptiedAlbumClearsOldInstancesAndTheScenePicture)
{
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_5/w_j_5.rar"_s, "left from deleted photos");
    tree.writeFile(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s, "old scene");
    mainForm.Edit_daoru_moban_kaishishiyong_kaiguan.setText(u"kai"_s);
    addPhoto(u"1"_s, u"b.rar"_s, u"jiancai_no"_s);
    prepare();

    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_5"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s));
    EXPECT_TRUE(tree.isFolder(u"smxcwjj/tp_wjj/pic"_s));
    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s), "movie B");
}

TEST_F(TemplateInstances, ClosingTemplateReplacesWhateverWasInItsFolder)
{
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/stale.rar"_s, "stale");
    prepareClosingTemplate(program, form1);
    EXPECT_EQ(read(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s), "closing movie");
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/stale.rar"_s));
}

} // namespace
