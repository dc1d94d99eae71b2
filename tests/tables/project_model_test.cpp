#include "app/base/failure.h"
#include "app/project/project_model.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using namespace Qt::Literals::StringLiterals;
using velumo::Failure;
using velumo::HiddenValue;
using velumo::ProjectModel;
using velumo::StringTable;

namespace {

QStringList blankRow(const StringTable &table)
{
    return QStringList(table.columnCount(), QString());
}

class ProjectModelTest : public ::testing::Test
{
protected:
    ProjectModel model;
};

TEST_F(ProjectModelTest, ImportedPhotoRowCarriesExactly22Cells)
{
    StringTable &photos = model.form1.ListView_daoruxiangpian;
    QStringList row = blankRow(photos);
    row[20] = u"jiancai_no"_s;
    row[21] = u"jiancai_no"_s;

    photos.appendRow(row);
    EXPECT_EQ(photos.row(0).size(), 22);
    EXPECT_EQ(photos.cell(0, 21), u"jiancai_no"_s);
    EXPECT_THROW((void)photos.cell(0, 22), Failure);

    // A batch row lacks the two stage marks, so it cannot be copied in as it is.
    StringTable &batch = model.form1.ListView_daoruxiangpianchuli;
    batch.appendRow(blankRow(batch));
    EXPECT_THROW(batch.copyRowTo(0, photos), Failure);
    EXPECT_THROW(photos.appendRow(batch.row(0)), Failure);
}

TEST_F(ProjectModelTest, TablesHaveTheirShapeAndCaptions)
{
    struct Case
    {
        const StringTable &table;
        int columnCount;
        int column;
        QString caption;
    };
    const Case cases[] = {
        {model.form1.ListView_daoruxiangpian, 22, 9, u"图片名称(测试使用)"_s},
        {model.form1.ListView_daoruxiangpian_tuodong_linshi, 22, 20, u"suoluotu_wancheng"_s},
        {model.form1.ListView_daoruxiangpianchuli, 20, 19, u"模板swf总帧数"_s},
        {model.form1.suiListView_xiangpian_liebiao, 8, 5, u"竖照或横照"_s},
        {model.form1.ListView_mobancanshu, 11, 8, u"分类标注"_s},
        {model.form1.ListView_gaojimoban, 13, 9, u"序号"_s},
        {model.form1.ListView_shuzhaopian, 13, 11, u"竖照几张"_s},
        {model.form1.ListView_hengzhaopian_suijishu, 13, 9, u"模板所在序号"_s},
        {model.form1.ListView_shuzhaopian_suijishu_wei_1, 13, 12, u"模板swf总帧数"_s},
        {model.form1.ListView_daoru_yinyue, 8, 7, u"绑定歌词名称"_s},
        {model.form1.suiListView_yinyue_liebiao, 6, 4, u"音乐文件位置"_s},
        {model.form1.ListView_daoru_LRC, 15, 7, u"歌词颜色(数字)"_s},
        {model.form1.suiListView_geci_liebiao, 11, 8, u"歌词字体类型"_s},
        {model.form1.ListView_LRC_2, 3, 1, u"位置"_s},
        {model.form1.ListView_LRC_3, 2, 0, u"位置"_s},
        {model.form1.suiListView_ksc, 13, 12, u"简体或繁体"_s},
        {model.form1.ListView_Label, 15, 5, u"x_zhi"_s},
        {model.form3.ListView_Label, 15, 14, u"字体颜色(数字)"_s},
        {model.form1.ListView_Image, 6, 5, u"顺序号"_s},
        {model.frmMain.ListView_moban_shiyong_shuliang_2, 9, 8, u"解压后的模板地址"_s},
        {model.frmMain.suiListView_KSC_2, 12, 7, u"A or B"_s},
        {model.form46.suiListView_KSC_2, 12, 8, u"处理后的歌词"_s},
        {model.form46.suiListView_KSC_3, 101, 1, u"1"_s},
        {model.frmMain.suiListView_KSC_7, 101, 100, u"100"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.table.name().toStdString());
        EXPECT_EQ(c.table.columnCount(), c.columnCount);
        EXPECT_EQ(c.table.columnCaptions().value(c.column), c.caption);
    }
}

TEST_F(ProjectModelTest, ValuesStartAtTheirDefaults)
{
    struct Case
    {
        QString owner;
        QString name;
        QString text;
    };
    const Case cases[] = {
        {u"Form1"_s, u"Edit_VCDSVCDDVD_leixing"_s, u"DVD"_s},
        {u"Form1"_s, u"Edit_tongbu_shezhi"_s, u"sui_zhaopian_tongbu"_s},
        {u"Form1"_s, u"Edit_kuozhanming_4"_s, u".rar"_s},
        {u"Form1"_s, u"Edit_kuozhanming_6"_s, u".png"_s},
        {u"Form1"_s, u"Edit_kuozhanming_7"_s, u".bmp"_s},
        {u"Form1"_s, u"Edit_xiangpian_down_id"_s, u"wu"_s},
        {u"Form1"_s, u"Edit_Image_chakanxiangpian_T_or_F"_s, u"Edit_Image_chakanxiangpian_T_or_F"_s},
        {u"Form1"_s, u"Edit_xiangpian_Height"_s, u"180"_s},
        {u"MainForm"_s, u"Edit_daoru_moban_kaishishiyong_kaiguan"_s, u"kai"_s},
        {u"MainForm"_s, u"Edit_str_mulu1"_s, QString()},
        {u"MainForm"_s, u"Edit_height"_s, u"1080"_s},
        {u"frmMain"_s, u"Edit_shijian_lrc_0"_s, u"00:00"_s},
        {u"frmMain"_s, u"Edit_ksc_xuhao_leijia"_s, u"Edit_ksc_xuhao_leijia"_s},
        {u"frmMain"_s, u"Edit_wancheng"_s, QString()},
        {u"frmMain"_s, u"Edit_wenzizhuangshi_num"_s, u"3"_s},
        {u"Form49"_s, u"Edit1_shiyong_lrc_or_ksc"_s, u"shiyong_lrcksc"_s},
        {u"Form39"_s, u"Edit_chicun_height"_s, u"Edit_chicun_height"_s},
        {u"Form39"_s, u"Edit_quxiao"_s, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString(c.owner + u'.' + c.name).toStdString());
        const HiddenValue *value = model.findValue(c.owner, c.name);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->text(), c.text);
    }

    EXPECT_TRUE(model.form2.RadioButton1);
    EXPECT_FALSE(model.form2.RadioButton2);
}

TEST_F(ProjectModelTest, LookupFindsTheOwnersMember)
{
    EXPECT_EQ(model.findTable(u"Form1", u"ListView_Label"), &model.form1.ListView_Label);
    EXPECT_EQ(model.findTable(u"Form3", u"ListView_Label"), &model.form3.ListView_Label);
    EXPECT_EQ(model.findTable(u"Form46", u"suiListView_KSC_5"), &model.form46.suiListView_KSC_5);
    EXPECT_EQ(model.findTable(u"frmMain", u"suiListView_KSC_5"), &model.frmMain.suiListView_KSC_5);
    EXPECT_EQ(model.findValue(u"Form1", u"Edit_kuozhanming_3"), &model.form1.Edit_kuozhanming_3);
    EXPECT_EQ(model.findValue(u"MainForm", u"Edit_Width"), &model.mainForm.Edit_Width);

    EXPECT_EQ(model.findTable(u"Form1", u"suiListView_KSC_2"), nullptr);
    EXPECT_EQ(model.findValue(u"Form1", u"Edit_Width"), nullptr);
}

// The enumeration feeds reset() and support dumps, so it must list every member once and
// under its real owner.
TEST_F(ProjectModelTest, EnumerationListsEveryTableAndValueOnceUnderItsOwner)
{
    const std::map<QString, std::pair<const char *, size_t>> stateOf = {
        {u"Form1"_s, {reinterpret_cast<const char *>(&model.form1), sizeof(model.form1)}},
        {u"MainForm"_s, {reinterpret_cast<const char *>(&model.mainForm), sizeof(model.mainForm)}},
        {u"frmMain"_s, {reinterpret_cast<const char *>(&model.frmMain), sizeof(model.frmMain)}},
        {u"Form3"_s, {reinterpret_cast<const char *>(&model.form3), sizeof(model.form3)}},
        {u"Form39"_s, {reinterpret_cast<const char *>(&model.form39), sizeof(model.form39)}},
        {u"Form46"_s, {reinterpret_cast<const char *>(&model.form46), sizeof(model.form46)}},
        {u"Form49"_s, {reinterpret_cast<const char *>(&model.form49), sizeof(model.form49)}},
        {u"Form12"_s, {reinterpret_cast<const char *>(&model.form12), sizeof(model.form12)}},
        {u"Form13"_s, {reinterpret_cast<const char *>(&model.form13), sizeof(model.form13)}},
        {u"Form14"_s, {reinterpret_cast<const char *>(&model.form14), sizeof(model.form14)}},
        {u"Form15"_s, {reinterpret_cast<const char *>(&model.form15), sizeof(model.form15)}},
    };
    std::map<QString, size_t> listedBytes;
    std::set<std::pair<QString, QString>> names;
    std::set<const void *> addresses;

    const auto check = [&](const QString &owner, const QString &name, const void *item, size_t size) {
        SCOPED_TRACE(QString(owner + u'.' + name).toStdString());
        EXPECT_TRUE(names.insert({owner, name}).second) << "listed twice";
        EXPECT_TRUE(addresses.insert(item).second) << "same member listed twice";
        ASSERT_EQ(stateOf.count(owner), 1u) << "unknown owner";
        const auto [begin, stateSize] = stateOf.at(owner);
        const char *at = static_cast<const char *>(item);
        EXPECT_TRUE(at >= begin && at + size <= begin + stateSize) << "not a member of its owner";
        listedBytes[owner] += size;
    };
    for (const velumo::OwnedTable &entry : model.tables())
        check(entry.owner, entry.table->name(), entry.table, sizeof(StringTable));
    for (const velumo::OwnedValue &entry : model.values())
        check(entry.owner, entry.value->name(), entry.value, sizeof(HiddenValue));

    // These states hold nothing but tables and values, so a member left out of the listing
    // shows as bytes of the state that no listed item covers.
    for (const auto &[owner, state] : stateOf) {
        SCOPED_TRACE(owner.toStdString());
        EXPECT_EQ(listedBytes[owner], state.second);
    }
}

TEST_F(ProjectModelTest, ResetEmptiesEveryTableAndRestoresEveryDefault)
{
    for (const velumo::OwnedTable &entry : model.tables())
        entry.table->appendRow(blankRow(*entry.table));
    for (const velumo::OwnedValue &entry : model.values())
        entry.value->setText(u"changed"_s);
    model.form2 = {false, true, true, true};

    model.reset();

    for (const velumo::OwnedTable &entry : model.tables())
        EXPECT_EQ(entry.table->rowCount(), 0) << entry.table->name().toStdString();
    for (const velumo::OwnedValue &entry : model.values())
        EXPECT_EQ(entry.value->text(), entry.value->defaultText()) << entry.value->name().toStdString();
    EXPECT_EQ(model.form1.Edit_mobanleijia_sum.text(), u"0"_s);
    EXPECT_EQ(model.form39.Edit_chicun_width.text(), u"Edit_chicun_width"_s);
    EXPECT_TRUE(model.form2.RadioButton1);
    EXPECT_FALSE(model.form2.RadioButton2);
    EXPECT_FALSE(model.form2.CheckBox1);
    EXPECT_FALSE(model.form2.CheckBox2);
}

} // namespace
