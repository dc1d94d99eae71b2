#include "app/workspace/tree_removal.h"

#include "tests/support/temp_tree.h"

#include <QFile>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using velumo::removeTree;
using velumo::test::TempTree;

TEST(TreeRemoval, RemovesNestedFoldersWithHiddenAndReadOnlyFiles)
{
    TempTree tree;
    tree.writeFile(u"w/a.txt"_s);
    tree.writeFile(u"w/.hidden"_s);
    tree.writeFile(u"w/sub/deeper/b.bin"_s);
    tree.makeFolder(u"w/empty"_s);
    tree.writeFile(u"w/ro.txt"_s);
    QFile::setPermissions(tree.abs(u"w/ro.txt"_s), QFileDevice::ReadOwner);

    removeTree(tree.abs(u"w"_s));

    EXPECT_FALSE(tree.exists(u"w"_s));
}

TEST(TreeRemoval, AcceptsPathsWithAndWithoutTrailingSeparator)
{
    for (const QString &suffix : {u""_s, u"/"_s}) {
        TempTree tree;
        tree.writeFile(u"w/x/y.txt"_s);
        removeTree(tree.abs(u"w"_s) + suffix);
        EXPECT_FALSE(tree.exists(u"w"_s)) << "suffix " << suffix.toStdString();
    }
}

TEST(TreeRemoval, MissingFolderIsNoError)
{
    TempTree tree;
    removeTree(tree.abs(u"not/there"_s));
    EXPECT_TRUE(tree.isFolder(u""_s));
}

TEST(TreeRemoval, RemovesLinksWithoutFollowingThem)
{
    TempTree tree;
    tree.writeFile(u"outside/precious.jpg"_s);
    tree.makeFolder(u"w"_s);
    ASSERT_TRUE(QFile::link(tree.abs(u"outside"_s), tree.abs(u"w/link_to_folder"_s)));
    ASSERT_TRUE(QFile::link(tree.abs(u"outside/precious.jpg"_s), tree.abs(u"w/link_to_file"_s)));
    ASSERT_TRUE(QFile::link(tree.abs(u"nowhere"_s), tree.abs(u"w/dangling"_s)));

    removeTree(tree.abs(u"w"_s));

    EXPECT_FALSE(tree.exists(u"w"_s));
    EXPECT_TRUE(tree.exists(u"outside/precious.jpg"_s));
}

TEST(TreeRemoval, LeavesEntriesThatAreNotFilesOrFoldersWithTheirFolder)
{
    TempTree tree;
    tree.writeFile(u"w/keep/plain.txt"_s);
    tree.writeFile(u"w/gone/plain.txt"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.abs(u"w/keep/pipe"_s)).constData(), 0600), 0);

    removeTree(tree.abs(u"w"_s));

    EXPECT_TRUE(tree.exists(u"w/keep/pipe"_s));
    EXPECT_FALSE(tree.exists(u"w/keep/plain.txt"_s));
    EXPECT_FALSE(tree.exists(u"w/gone"_s));
}

TEST(TreeRemoval, FileThatCannotBeDeletedStaysWithItsFolders)
{
    TempTree tree;
    tree.writeFile(u"w/held/locked.bmp"_s);
    tree.writeFile(u"w/other/free.bmp"_s);
    if (!velumo::test::makeUndeletable(tree.abs(u"w/held/locked.bmp"_s)))
        GTEST_SKIP() << "this file system cannot make an undeletable file";

    removeTree(tree.abs(u"w"_s));
    const bool lockedStayed = tree.exists(u"w/held/locked.bmp"_s);
    const bool otherGone = !tree.exists(u"w/other"_s);
    velumo::test::makeDeletable(tree.abs(u"w/held/locked.bmp"_s));

    EXPECT_TRUE(lockedStayed);
    EXPECT_TRUE(otherGone);
}
