#include "app/workspace/folder_guarantee.h"

#include "app/base/failure.h"
#include "tests/support/temp_tree.h"

using namespace Qt::Literals::StringLiterals;
using velumo::ensureFolder;
using velumo::test::TempTree;

TEST(FolderGuarantee, CreatesMissingParents)
{
    TempTree tree;
    ensureFolder(tree.abs(u"a/b/c/"_s));
    EXPECT_TRUE(tree.isFolder(u"a/b/c"_s));
    ensureFolder(tree.abs(u"a/b/c"_s)); // already there
    EXPECT_TRUE(tree.isFolder(u"a/b/c"_s));
}

TEST(FolderGuarantee, GivesUpWithAMessageWhenAFileIsInTheWay)
{
    TempTree tree;
    tree.writeFile(u"smxcwjj"_s);
    try {
        ensureFolder(tree.abs(u"smxcwjj/tp_wj/tp_slt_1/"_s), std::chrono::milliseconds(200));
        FAIL() << "expected a failure";
    } catch (const velumo::Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"无法创建工作文件夹"_s));
        EXPECT_TRUE(failure.message().contains(u"tp_slt_1"_s)) << failure.message().toStdString();
    }
}
