#include "app/base/failure.h"
#include "app/panels/drop_target.h"
#include "app/panels/item_exchange.h"
#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"
#include "tests/panels/media_rows.h"
#include "tests/support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

using test::TempTree;

TEST(DropReach, OnlyDropsStrictlyWithinFiftyPixelsBothWaysLand)
{
    const QPoint place(210, 10);
    const struct
    {
        QPoint offset;
        bool lands;
    } cases[] = {
        {{0, 0}, true},    {{49, 0}, true},     {{50, 0}, false},  {{-49, 0}, true},
        {{-50, 0}, false}, {{0, 49}, true},     {{0, -50}, false}, {{49, -49}, true},
        {{49, 50}, false}, {{-49, -49}, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(withinDropReach(place + c.offset, place), c.lands) << c.offset.x() << "," << c.offset.y();
}

TEST(DropReach, PartnersAreTheOtherItemsNearTheDropInAscendingOrder)
{
    const std::vector<QPoint> places = {{10, 10}, {210, 10}, {410, 10}, {10, 210}};
    EXPECT_EQ(dropPartners(0, QPoint(259, 10), places), std::vector<int>{1});
    EXPECT_EQ(dropPartners(0, QPoint(260, 10), places), std::vector<int>{});
    EXPECT_EQ(dropPartners(0, QPoint(10, 10), places), std::vector<int>{}) << "never with itself";
    // Places closer than the reach (a squeezed grid) all take part, lowest first.
    const std::vector<QPoint> tight = {{0, 0}, {30, 0}, {60, 0}};
    EXPECT_EQ(dropPartners(2, QPoint(20, 0), tight), (std::vector<int>{0, 1}));
}

class DropFiles : public ::testing::Test
{
protected:
    QString read(const QString &relative) const
    {
        QFile file(tree.abs(relative));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : u"<missing>"_s;
    }
    void write(const QString &relative, const QString &content) { tree.writeFile(relative, content.toUtf8()); }
    QStringList column(const StringTable &table, int col) const
    {
        QStringList cells;
        for (int row = 0; row < table.rowCount(); ++row)
            cells.append(table.cell(row, col));
        return cells;
    }

    TempTree tree;
    ProgramFolder program{tree.path()};
    Form1State form1;
};

TEST_F(DropFiles, SwappingPhotosOneAndTwoMovesThumbnailsAndRenumbersInstancesInTheNewOrder)
{
    // A alone in instance 1; B and C share the two-photo instance 2.
    test::addPhoto(form1, u"A"_s, 1);
    test::addPhoto(form1, u"B"_s, 2);
    test::addPhoto(form1, u"C"_s, 2);
    form1.Edit_mobanleijia_sum.setText(u"2"_s);
    const QString thumbs = u"smxcwjj/tp_wj/tp_slt_1/"_s;
    const QString instances = u"smxcwjj/tp_wjj/tp_wjj/"_s;
    write(thumbs + u"tp_slt_1_1.bmp"_s, u"thumb A"_s);
    write(thumbs + u"tp_slt_1_2.bmp"_s, u"thumb B"_s);
    write(thumbs + u"tp_slt_1_3.bmp"_s, u"thumb C"_s);
    write(instances + u"tp_wjj_1/w_j_1.rar"_s, u"movie A"_s);
    write(instances + u"tp_wjj_1/picture_1.jpg"_s, u"slot A"_s);
    write(instances + u"tp_wjj_2/w_j_2.rar"_s, u"movie BC"_s);

    dropItem(form1, program, MediaKind::Photos, 0, {1});

    EXPECT_EQ(column(form1.ListView_daoruxiangpian, 2), (QStringList{u"B"_s, u"A"_s, u"C"_s}));
    EXPECT_EQ(column(form1.suiListView_xiangpian_liebiao, 1), (QStringList{u"B"_s, u"A"_s, u"C"_s}));
    EXPECT_EQ(column(form1.ListView_daoruxiangpian, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(form1.suiListView_xiangpian_liebiao, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(form1.ListView_daoruxiangpian, 7), (QStringList{u"1"_s, u"2"_s, u"1"_s}));
    EXPECT_EQ(column(form1.ListView_daoruxiangpian, 20),
              (QStringList{u"jiancai_yes"_s, u"jiancai_yes"_s, u"jiancai_yes"_s}));

    EXPECT_EQ(read(thumbs + u"tp_slt_1_1.bmp"_s), u"thumb B"_s);
    EXPECT_EQ(read(thumbs + u"tp_slt_1_2.bmp"_s), u"thumb A"_s);
    EXPECT_EQ(read(thumbs + u"tp_slt_1_3.bmp"_s), u"thumb C"_s);
    EXPECT_EQ(read(instances + u"tp_wjj_1/w_j_1.rar"_s), u"movie BC"_s);
    EXPECT_EQ(read(instances + u"tp_wjj_2/w_j_2.rar"_s), u"movie A"_s);
    EXPECT_EQ(read(instances + u"tp_wjj_2/picture_1.jpg"_s), u"slot A"_s) << "slot photos keep their names";
    EXPECT_FALSE(tree.exists(instances + u"1_tp_wjj_1"_s));
    EXPECT_FALSE(tree.exists(instances + u"2_tp_wjj_2"_s));
    EXPECT_FALSE(tree.exists(thumbs + u"1_tp_slt_1_1.bmp"_s));
}

TEST_F(DropFiles, MissingPhotoFilesAreSkipped)
{
    test::addPhoto(form1, u"A"_s, 1);
    test::addPhoto(form1, u"B"_s, 2);
    form1.Edit_mobanleijia_sum.setText(u"2"_s);
    const QString thumbs = u"smxcwjj/tp_wj/tp_slt_1/"_s;
    write(thumbs + u"tp_slt_1_2.bmp"_s, u"thumb B"_s);

    dropItem(form1, program, MediaKind::Photos, 1, {0});

    EXPECT_EQ(read(thumbs + u"tp_slt_1_1.bmp"_s), u"thumb B"_s);
    EXPECT_FALSE(tree.exists(thumbs + u"tp_slt_1_2.bmp"_s));
    EXPECT_EQ(column(form1.ListView_daoruxiangpian, 7), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(DropFiles, SwappingSongsTradesTheirNameCardsAndRenumbersTheRows)
{
    test::addSong(form1, u"one"_s);
    test::addSong(form1, u"two"_s, u"key1"_s, u"words"_s);
    test::addSong(form1, u"three"_s);
    const QString cards = u"smxcwjj/tp_wj/tp_slt_2/"_s;
    write(cards + u"tp_slt_2_1.bmp"_s, u"card one"_s);
    write(cards + u"tp_slt_2_3.bmp"_s, u"card three"_s);
    // A scratch file left over from an interrupted run must not end up as a card.
    write(cards + u"tp_slt_2_000.bmp"_s, u"stale"_s);

    dropItem(form1, program, MediaKind::Music, 2, {0});

    EXPECT_EQ(column(form1.ListView_daoru_yinyue, 1), (QStringList{u"three"_s, u"two"_s, u"one"_s}));
    EXPECT_EQ(column(form1.suiListView_yinyue_liebiao, 1), (QStringList{u"three"_s, u"two"_s, u"one"_s}));
    EXPECT_EQ(column(form1.ListView_daoru_yinyue, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(form1.ListView_daoru_yinyue.cell(1, 6), u"key1"_s) << "bindings travel with their song";
    EXPECT_EQ(read(cards + u"tp_slt_2_1.bmp"_s), u"card three"_s);
    EXPECT_EQ(read(cards + u"tp_slt_2_3.bmp"_s), u"card one"_s);
    EXPECT_FALSE(tree.exists(cards + u"tp_slt_2_2.bmp"_s));
    EXPECT_FALSE(tree.exists(cards + u"tp_slt_2_000.bmp"_s));
}

TEST_F(DropFiles, SwappingLyricsTradesTheirNameCards)
{
    test::addLyric(form1, u"a"_s);
    test::addLyric(form1, u"b"_s);
    const QString cards = u"smxcwjj/tp_wj/tp_slt_3/"_s;
    write(cards + u"tp_slt_3_1.bmp"_s, u"card a"_s);
    write(cards + u"tp_slt_3_2.bmp"_s, u"card b"_s);

    dropItem(form1, program, MediaKind::Lyrics, 0, {1});

    EXPECT_EQ(column(form1.suiListView_geci_liebiao, 1), (QStringList{u"b"_s, u"a"_s}));
    EXPECT_EQ(read(cards + u"tp_slt_3_1.bmp"_s), u"card b"_s);
    EXPECT_EQ(read(cards + u"tp_slt_3_2.bmp"_s), u"card a"_s);
}

TEST_F(DropFiles, ARowOutsideTheTablesIsRefusedBeforeAnythingChanges)
{
    test::addSong(form1, u"one"_s);
    test::addSong(form1, u"two"_s);
    form1.suiListView_yinyue_liebiao.deleteRow(1); // the list lags behind the table
    write(u"smxcwjj/tp_wj/tp_slt_2/tp_slt_2_1.bmp"_s, u"card one"_s);

    EXPECT_THROW(dropItem(form1, program, MediaKind::Music, 0, {1}), Failure);
    EXPECT_THROW(dropItem(form1, program, MediaKind::Music, 5, {0}), Failure);

    EXPECT_EQ(column(form1.ListView_daoru_yinyue, 1), (QStringList{u"one"_s, u"two"_s}));
    EXPECT_EQ(read(u"smxcwjj/tp_wj/tp_slt_2/tp_slt_2_1.bmp"_s), u"card one"_s);
}

} // namespace
} // namespace velumo
