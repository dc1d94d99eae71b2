#include "app/workspace/working_tree.h"

#include "app/base/failure.h"
#include "tests/support/temp_tree.h"

using namespace Qt::Literals::StringLiterals;
using velumo::ProgramFolder;
using velumo::test::TempTree;
namespace working_tree = velumo::working_tree;

namespace {

// A program folder after a run that ended without clean-up.
void fillLikeAnAbandonedRun(TempTree &tree)
{
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/wj_01_1.rar"_s, "movie package");
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/wj_02_1.rar"_s, "parameter package");
    tree.writeFile(u"smxcwjj/wj_0_or_1/wj_1.rar"_s, "closing template");
    tree.writeFile(u"cj/cj.swf"_s, "probe movie");
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_00_j_y/wj_1.ini"_s);
    tree.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);
    tree.writeFile(u"smxcwjj/tp_wj/tp_slt_2/tp_slt_2_1.bmp"_s);
    tree.writeFile(u"smxcwjj/tp_wj/tp_slt_3/tp_slt_3_1.bmp"_s);
    tree.writeFile(u"smxcwjj/wj_0_or_1/wj_1_jy/wj_1_jy_1.rar"_s);
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/wj_1.rar"_s);
    tree.writeFile(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s);
    tree.writeFile(u"smxcwjj/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/x.rar"_s);
    tree.writeFile(u"smxcwjj/wj_yl_xg_1/preview.rar"_s);
    tree.writeFile(u"smxcwjj/tp_load/unlisted.bmp"_s);
    for (const QString &file : working_tree::staleFiles())
        tree.writeFile(file);
}

void expectLibraryUntouched(const TempTree &tree)
{
    EXPECT_TRUE(tree.exists(u"smxcwjj/wj_0_or_2/wjj_01/wj_01_1.rar"_s));
    EXPECT_TRUE(tree.exists(u"smxcwjj/wj_0_or_2/wjj_02/wj_02_1.rar"_s));
    EXPECT_TRUE(tree.exists(u"smxcwjj/wj_0_or_1/wj_1.rar"_s));
    EXPECT_TRUE(tree.exists(u"cj/cj.swf"_s));
}

void expectNoStaleFile(const TempTree &tree)
{
    for (const QString &file : working_tree::staleFiles())
        EXPECT_FALSE(tree.exists(file)) << file.toStdString();
}

} // namespace

TEST(WorkingTree, StartUpEmptiesScratchFoldersAndKeepsTheLibrary)
{
    TempTree tree;
    fillLikeAnAbandonedRun(tree);

    working_tree::prepare(ProgramFolder(tree.path()));

    for (const QString &folder : {u"smxcwjj/tp_wj/tp_slt_1"_s, u"smxcwjj/tp_wj/tp_slt_2"_s,
                                  u"smxcwjj/tp_wj/tp_slt_3"_s, u"smxcwjj/wj_0_or_1/wj_1_jy"_s})
        EXPECT_TRUE(tree.isEmptyFolder(folder)) << folder.toStdString();
    for (const QString &folder : {u"smxcwjj/tp_wjj/tp_wjj"_s, u"smxcwjj/tp_wjj/pic"_s,
                                  u"smxcwjj/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1"_s,
                                  u"smxcwjj/wj_yl_xg_1"_s})
        EXPECT_FALSE(tree.exists(folder)) << folder.toStdString();
    expectNoStaleFile(tree);
    expectLibraryUntouched(tree);
    // Files beside the stale ones are not ours to judge.
    EXPECT_TRUE(tree.exists(u"smxcwjj/tp_load/unlisted.bmp"_s));
    // The catalogue scan owns the parameter folder; start-up leaves it to that scan.
    EXPECT_TRUE(tree.exists(u"smxcwjj/wj_0_or_2/wjj_00_j_y/wj_1.ini"_s));
}

TEST(WorkingTree, StartUpOnAFreshProgramFolderMakesTheScratchFolders)
{
    TempTree tree;
    working_tree::prepare(ProgramFolder(tree.path()));
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/tp_wj/tp_slt_1"_s));
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/wj_0_or_1/wj_1_jy"_s));
}

TEST(WorkingTree, ExitRemovesScratchFoldersAndKeepsTheLibrary)
{
    TempTree tree;
    fillLikeAnAbandonedRun(tree);

    working_tree::cleanAtExit(ProgramFolder(tree.path()));

    for (const QString &folder : {u"smxcwjj/tp_wj"_s, u"smxcwjj/tp_wjj"_s, u"smxcwjj/wj_0_or_2/wjj_00_j_y"_s,
                                  u"smxcwjj/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1"_s,
                                  u"smxcwjj/wj_yl_xg_1"_s, u"smxcwjj/wj_0_or_1/wj_1_jy"_s})
        EXPECT_FALSE(tree.exists(folder)) << folder.toStdString();
    expectNoStaleFile(tree);
    expectLibraryUntouched(tree);
}

TEST(WorkingTree, UndeletableThumbnailStaysAndStartUpGoesOn)
{
    TempTree tree;
    fillLikeAnAbandonedRun(tree);
    const QString held = tree.abs(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);
    if (!velumo::test::makeUndeletable(held))
        GTEST_SKIP() << "this file system cannot make an undeletable file";

    working_tree::prepare(ProgramFolder(tree.path()));
    const bool heldStayed = tree.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);
    velumo::test::makeDeletable(held);

    EXPECT_TRUE(heldStayed);
    // The steps after the blocked folder still ran.
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/tp_wj/tp_slt_2"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/pic"_s));
    expectNoStaleFile(tree);
}

TEST(WorkingTree, UnwritableProgramFolderIsReported)
{
    TempTree tree;
    tree.writeFile(u"smxcwjj"_s, "a file where the working tree belongs");
    EXPECT_THROW(working_tree::prepare(ProgramFolder(tree.path())), velumo::Failure);
}
