#include "templates/template_catalogue.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "templates/slot_list.h"
#include "templates/template_package.h"
#include "tests/support/temp_tree.h"

#include <QStringEncoder>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

QByteArray parameterFile(const QString &szhz, const QString &mblx = u"经典"_s, const QString &marker = u"s_y_l_x"_s)
{
    return (u"[l_x_w_j_s_y]\r\nl_x_w_j_s_y=%1\r\n[1]\r\nmblx=%2\r\nmbfl=相册\r\nxpsl=2\r\nxpkd=|800|0|\r\n"
            "xpgd=|600|0|\r\nszhz=%3\r\nxpjpgmc=picture_1.rar\r\nmbdx=125\r\n"_s)
        .arg(marker, mblx, szhz)
        .toUtf8();
}

class Catalogue : public ::testing::Test
{
protected:
    void addTemplate(const QString &name, const QByteArray &parameters)
    {
        tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/"_s + name, wrapPackage(parameters));
        tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/"_s + name, wrapPackage("FWS movie of " + name.toUtf8()));
    }

    void build() { buildTemplateCatalogue(ProgramFolder(tree.path()), form1); }

    QStringList column(const StringTable &table, int col)
    {
        QStringList out;
        for (int row = 0; row < table.rowCount(); ++row)
            out << table.cell(row, col);
        return out;
    }

    TempTree tree;
    Form1State form1;
};

} // namespace

TEST(SlotList, ItemsAreTheTextsBetweenBars)
{
    const struct
    {
        QString list;
        QStringList items;
    } cases[] = {
        {u"|heng|shu|"_s, {u"heng"_s, u"shu"_s}},
        {u"heng"_s, {}},
        {u""_s, {}},
        {u"|"_s, {}},
        {u"x|800|y"_s, {u"800"_s}},
        {u"||"_s, {u""_s}},
        {u"|0|600|"_s, {u"0"_s, u"600"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(slotListItems(c.list), c.items) << c.list.toStdString();
}

TEST_F(Catalogue, EmptyLibraryGivesEmptyTables)
{
    build();
    EXPECT_EQ(form1.ListView_mobancanshu.rowCount(), 0);
    EXPECT_EQ(form1.ListView_hengzhaopian.rowCount(), 0);
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/wj_0_or_2/wjj_00_j_y"_s));
}

TEST_F(Catalogue, ClassesDecideTheTables)
{
    addTemplate(u"a.rar"_s, parameterFile(u"|heng|"_s));
    addTemplate(u"b.rar"_s, parameterFile(u"|shu|shu|"_s));
    addTemplate(u"c.rar"_s, parameterFile(u"|shuheng|"_s));
    addTemplate(u"d.rar"_s, parameterFile(u"|heng|shuheng|"_s));
    addTemplate(u"e.rar"_s, parameterFile(u"heng"_s));
    build();

    const StringTable &catalogue = form1.ListView_mobancanshu;
    EXPECT_EQ(column(catalogue, 8), (QStringList{u"heng"_s, u"shu"_s, u"shuheng"_s, u"gaojimoban"_s, u""_s}));
    EXPECT_EQ(column(catalogue, 9), (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    EXPECT_EQ(column(form1.ListView_hengzhaopian, 9), (QStringList{u"0"_s, u"2"_s}));
    EXPECT_EQ(column(form1.ListView_shuzhaopian, 9), (QStringList{u"1"_s, u"2"_s}));
    EXPECT_EQ(column(form1.ListView_gaojimoban, 9), (QStringList{u"3"_s}));

    // The either-way template counts as landscape in one table and portrait in the other.
    EXPECT_EQ(form1.ListView_hengzhaopian.row(1).mid(10), (QStringList{u"1"_s, u"0"_s, u"125"_s}));
    EXPECT_EQ(form1.ListView_shuzhaopian.row(1).mid(10), (QStringList{u"0"_s, u"1"_s, u"125"_s}));
    EXPECT_EQ(form1.ListView_shuzhaopian.row(0).mid(10, 2), (QStringList{u"0"_s, u"2"_s}));
    EXPECT_EQ(form1.ListView_gaojimoban.row(0).mid(10, 2), (QStringList{u"2"_s, u"0"_s}));
}

TEST_F(Catalogue, RowsCarryTheParametersAndPairByPosition)
{
    addTemplate(u"1.rar"_s, parameterFile(u"|heng|"_s, u"一"_s));
    addTemplate(u"sub/2.RAR"_s, parameterFile(u"|heng|"_s, u"二"_s));
    addTemplate(u"3.rar"_s, parameterFile(u"|heng|"_s, u"三"_s));
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/4.Rar"_s, "mixed case is no package");
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/4.Rar"_s, "mixed case is no package");
    build();

    const StringTable &catalogue = form1.ListView_mobancanshu;
    ASSERT_EQ(catalogue.rowCount(), 3);
    EXPECT_EQ(column(catalogue, 0), (QStringList{u"一"_s, u"三"_s, u"二"_s})) << "name order, sub-folders where met";
    EXPECT_EQ(catalogue.row(0).mid(1, 6), (QStringList{u"相册"_s, u"2"_s, u"|800|0|"_s, u"|600|0|"_s, u"|heng|"_s,
                                                         u"picture_1.rar"_s}));
    EXPECT_EQ(catalogue.cell(1, 7), tree.abs(u"smxcwjj/wj_0_or_2/wjj_01/3.rar"_s));
    EXPECT_EQ(catalogue.cell(2, 7), tree.abs(u"smxcwjj/wj_0_or_2/wjj_01/sub/2.RAR"_s));
    EXPECT_EQ(catalogue.cell(0, 10), u"125"_s);
    EXPECT_TRUE(tree.exists(u"smxcwjj/wj_0_or_2/wjj_00_j_y/wjj_00_j_y3-22.rar"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/wj_0_or_2/wjj_00_j_y/wjj_00_j_y3.ini"_s));
}

TEST_F(Catalogue, ParameterFilesInTheChineseCodePageAreRead)
{
    QStringEncoder gb18030("GB18030");
    ASSERT_TRUE(gb18030.isValid());
    const QByteArray bytes = gb18030.encode(QString::fromUtf8(parameterFile(u"|shu|"_s, u"古典风格"_s)));
    addTemplate(u"a.rar"_s, bytes);
    build();
    EXPECT_EQ(form1.ListView_mobancanshu.cell(0, 0), u"古典风格"_s);
}

TEST_F(Catalogue, UnevenLibraryIsRefusedNamingBothFolders)
{
    addTemplate(u"a.rar"_s, parameterFile(u"|heng|"_s));
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/extra.rar"_s, wrapPackage(parameterFile(u"|heng|"_s)));
    try {
        build();
        FAIL() << "expected a failure";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"wjj_02"_s) && failure.message().contains(u"wjj_01"_s))
            << failure.message().toStdString();
    }
    EXPECT_EQ(form1.ListView_mobancanshu.rowCount(), 0);
}

TEST_F(Catalogue, ParameterFileWithoutItsMarkerEndsTheScan)
{
    addTemplate(u"a.rar"_s, parameterFile(u"|heng|"_s, u"甲"_s, u"something else"_s));
    EXPECT_THROW(build(), TemplateMarkerMissing);
}

TEST_F(Catalogue, DamagedPackageKeepsTheRowsReadSoFar)
{
    addTemplate(u"a.rar"_s, parameterFile(u"|heng|"_s));
    addTemplate(u"b.rar"_s, parameterFile(u"|heng|"_s));
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/b.rar"_s, "damaged");
    EXPECT_THROW(build(), Failure);
    EXPECT_EQ(form1.ListView_mobancanshu.rowCount(), 1);
}
