#include "assign/candidate_tables.h"
#include "assign/random_source.h"
#include "assign/template_assignment.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/project/photo_columns.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <deque>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

namespace pc = photo_column;

// Hands out the indices a test scripts, in order, and fails the test if a draw is unexpected.
class ScriptedDraws : public RandomSource
{
public:
    ScriptedDraws(std::initializer_list<int> draws) : m_draws(draws) {}
    int index(int count) override
    {
        if (m_draws.empty()) {
            ADD_FAILURE() << "an unscripted draw from a table of " << count;
            return 0;
        }
        const int next = m_draws.front();
        m_draws.pop_front();
        EXPECT_LT(next, count) << "scripted index outside the table";
        return next;
    }
    bool allUsed() const { return m_draws.empty(); }

private:
    std::deque<int> m_draws;
};

struct TemplateRow
{
    QString photos;    // 相片数量
    QString widths;    // slot list
    QString heights;   // slot list
    QString classes;   // slot orientations
    QString index;     // catalogue index
    QString landscape; // 横照几张
    QString portrait;  // 竖照几张
};

void addTemplate(StringTable &table, const TemplateRow &t)
{
    table.appendRow({u"经典"_s, u"相册"_s, t.photos, t.widths, t.heights, t.classes, u"picture_1.rar"_s,
                     u"/lib/movie_"_s + t.index + u".rar"_s, u"heng"_s, t.index, t.landscape, t.portrait, u"125"_s});
}

const TemplateRow kLandscapeSingle{u"1"_s, u"|640|"_s, u"|480|"_s, u"|heng|"_s, u"0"_s, u"1"_s, u"0"_s};
const TemplateRow kLandscapePair{u"2"_s, u"|800|700|"_s, u"|600|500|"_s, u"|heng|heng|"_s, u"1"_s, u"2"_s, u"0"_s};
const TemplateRow kLandscapeTriple{u"3"_s, u"|1|2|3|"_s, u"|1|2|3|"_s, u"|heng|heng|heng|"_s, u"2"_s, u"3"_s, u"0"_s};
const TemplateRow kPortraitSingle{u"1"_s, u"|480|"_s, u"|640|"_s, u"|shu|"_s, u"3"_s, u"0"_s, u"1"_s};
const TemplateRow kPortraitPair{u"2"_s, u"|400|300|"_s, u"|600|500|"_s, u"|shu|shu|"_s, u"4"_s, u"0"_s, u"2"_s};

class Assignment : public ::testing::Test
{
protected:
    // Batch rows from a string of orientations: 'L' landscape, 'P' portrait.
    void batch(const QString &orientations)
    {
        for (const QChar c : orientations) {
            QStringList row;
            const int n = form1.ListView_daoruxiangpianchuli.rowCount() + 1;
            row << QString::number(n) << u"/photos/p%1.jpg"_s.arg(n) << u"p%1"_s.arg(n) << u".jpg"_s;
            row << (c == u'L' ? u"4000"_s : u"3000"_s) << (c == u'L' ? u"3000"_s : u"4000"_s);
            row << (c == u'L' ? u"heng_zhao"_s : u"shu_zhao"_s);
            while (row.size() < pc::kBatchColumns)
                row << QString();
            form1.ListView_daoruxiangpianchuli.appendRow(row);
        }
    }

    void assign(RandomSource &random)
    {
        assignBatch(form1, random, [this] { ++steps; });
    }

    QString cell(int row, int column) const { return form1.ListView_daoruxiangpian.cell(row, column); }

    QStringList column(int column) const
    {
        QStringList out;
        for (int row = 0; row < form1.ListView_daoruxiangpian.rowCount(); ++row)
            out << cell(row, column);
        return out;
    }

    Form1State form1;
    int steps = 0;
};

TEST_F(Assignment, SmallBatchGivesEveryPhotoItsOwnSinglePhotoTemplate)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair); // never drawn: too many photos
    form1.Edit_mobanleijia_sum.setText(u"7"_s);
    batch(u"LLLL"_s);
    ScriptedDraws draws{0, 0, 0, 0};
    assign(draws);

    EXPECT_EQ(form1.ListView_hengzhaopian_suijishu.rowCount(), 1);
    EXPECT_EQ(column(pc::kInstance), QStringList({u"8"_s, u"9"_s, u"10"_s, u"11"_s}));
    EXPECT_EQ(column(pc::kTrace), QStringList(4, u"picture_1"_s));
    EXPECT_EQ(column(pc::kSlotName), QStringList(4, u"picture_1"_s));
    EXPECT_EQ(form1.Edit_mobanleijia_sum.text(), u"11"_s);
    EXPECT_EQ(steps, 4);
    // The whole slot record, and the two stage marks.
    EXPECT_EQ(form1.ListView_daoruxiangpian.row(0).mid(7),
              QStringList({u"8"_s, u"0"_s, u"picture_1"_s, u"1"_s, u"picture_1"_s, u"/lib/movie_0.rar"_s, u"640"_s,
                           u"480"_s, u"|640|"_s, u"|480|"_s, u"|heng|"_s, u"picture_1.rar"_s, u"125"_s,
                           u"jiancai_no"_s, u"jiancai_no"_s}));
}

TEST_F(Assignment, LandscapePairsFillWhileEnoughPhotosWaitThenFallBack)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair);
    batch(u"LLLLL"_s);
    ScriptedDraws draws{1, 1, 1, 0}; // pair, pair, pair (one photo left), then the fallback
    assign(draws);

    EXPECT_TRUE(draws.allUsed());
    EXPECT_EQ(column(pc::kInstance), QStringList({u"1"_s, u"1"_s, u"2"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(pc::kTrace), QStringList({u"picture_1  heng"_s, u"picture_2  heng"_s, u"picture_1  heng"_s,
                                               u"picture_2  heng"_s, u"picture_1he不成立"_s}));
    EXPECT_EQ(column(pc::kSlotName),
              QStringList({u"picture_1"_s, u"picture_2"_s, u"picture_1"_s, u"picture_2"_s, u"picture_1"_s}));
    EXPECT_EQ(column(pc::kSlotWidth), QStringList({u"800"_s, u"700"_s, u"800"_s, u"700"_s, u"640"_s}));
    EXPECT_EQ(column(pc::kSlotHeight), QStringList({u"600"_s, u"500"_s, u"600"_s, u"500"_s, u"480"_s}));
    EXPECT_EQ(steps, 5);
}

// A portrait group needs strictly more waiting photos than slots; a landscape group only as many.
TEST_F(Assignment, PortraitPairsNeedMorePhotosWaitingThanLandscapePairs)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair);
    addTemplate(form1.ListView_shuzhaopian, kPortraitSingle);
    addTemplate(form1.ListView_shuzhaopian, kPortraitPair);

    struct Case
    {
        QString batch;
        std::initializer_list<int> draws;
        QStringList instances;
        QStringList traces;
    };
    const Case cases[] = {
        {u"LLLLLL"_s, {1, 1, 1}, {u"1"_s, u"1"_s, u"2"_s, u"2"_s, u"3"_s, u"3"_s},
         {u"picture_1  heng"_s, u"picture_2  heng"_s, u"picture_1  heng"_s, u"picture_2  heng"_s,
          u"picture_1  heng"_s, u"picture_2  heng"_s}},
        {u"PPPPPP"_s, {1, 1, 1, 0, 1, 0}, {u"1"_s, u"1"_s, u"2"_s, u"2"_s, u"3"_s, u"4"_s},
         {u"picture_1  shu"_s, u"picture_2  shu"_s, u"picture_1  shu"_s, u"picture_2  shu"_s,
          u"picture_1sh不成立"_s, u"picture_1sh不成立"_s}},
        {u"PPPPP"_s, {1, 1, 1, 0}, {u"1"_s, u"1"_s, u"2"_s, u"2"_s, u"3"_s},
         {u"picture_1  shu"_s, u"picture_2  shu"_s, u"picture_1  shu"_s, u"picture_2  shu"_s,
          u"picture_1sh不成立"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.batch.toStdString());
        form1.ListView_daoruxiangpianchuli.clear();
        form1.ListView_daoruxiangpian.clear();
        form1.Edit_mobanleijia_sum.setText(u"0"_s);
        batch(c.batch);
        ScriptedDraws draws(c.draws);
        assign(draws);
        EXPECT_TRUE(draws.allUsed());
        EXPECT_EQ(column(pc::kInstance), c.instances);
        EXPECT_EQ(column(pc::kTrace), c.traces);
    }
}

TEST_F(Assignment, GroupSkipsPhotosOfTheOtherOrientationAndInstancesFollowOpeningOrder)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair);
    addTemplate(form1.ListView_shuzhaopian, kPortraitSingle);
    form1.Edit_mobanleijia_sum.setText(u"3"_s); // a first batch used instances 1 to 3
    batch(u"LPLPL"_s);
    // photo 1: pair (takes photo 3); photo 2: portrait single; photo 4: portrait single;
    // photo 5: pair drawn with one landscape left, so the fallback.
    ScriptedDraws draws{1, 0, 0, 1, 0};
    assign(draws);

    EXPECT_TRUE(draws.allUsed());
    EXPECT_EQ(column(pc::kInstance), QStringList({u"4"_s, u"5"_s, u"4"_s, u"6"_s, u"7"_s}));
    EXPECT_EQ(column(pc::kTrace), QStringList({u"picture_1  heng"_s, u"picture_1s"_s, u"picture_2  heng"_s,
                                               u"picture_1s"_s, u"picture_1he不成立"_s}));
    EXPECT_EQ(column(pc::kNumber), QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
}

TEST_F(Assignment, BatchSizeDecidesWhichTemplatesMayBeDrawn)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair);
    addTemplate(form1.ListView_hengzhaopian, kLandscapeTriple);
    struct Case
    {
        int batchSize;
        int candidates;
        int fallbacks;
    };
    for (const Case c : {Case{4, 1, 0}, Case{5, 2, 1}, Case{11, 2, 1}, Case{12, 3, 1}}) {
        SCOPED_TRACE(c.batchSize);
        form1.ListView_hengzhaopian_suijishu_wei_1.clear();
        buildCandidateTables(form1, c.batchSize);
        EXPECT_EQ(form1.ListView_hengzhaopian_suijishu.rowCount(), c.candidates);
        EXPECT_EQ(form1.ListView_hengzhaopian_suijishu_wei_1.rowCount(), c.fallbacks);
    }
}

TEST_F(Assignment, LibraryWithoutTemplatesForAnOrientationRefusesTheBatchUnchanged)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    addTemplate(form1.ListView_hengzhaopian, kLandscapePair);
    struct Case
    {
        QString batch;
        QString expected;
    };
    // Portraits with no portrait template at all; landscape pairs possible but no single-photo
    // landscape template to fall back on.
    const Case cases[] = {{u"LLP"_s, u"竖照片"_s}, {u"LLLLL"_s, u"横照片的单张相片模板"_s}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.batch.toStdString());
        if (c.batch == u"LLLLL"_s)
            form1.ListView_hengzhaopian.deleteRow(0);
        form1.ListView_daoruxiangpianchuli.clear();
        batch(c.batch);
        form1.Edit_mobanleijia_sum.setText(u"2"_s);
        ScriptedDraws none{};
        try {
            assign(none);
            ADD_FAILURE() << "the batch was assigned";
        } catch (const Failure &failure) {
            EXPECT_TRUE(failure.message().contains(c.expected)) << failure.message().toStdString();
        }
        EXPECT_EQ(form1.ListView_daoruxiangpian.rowCount(), 0);
        EXPECT_EQ(form1.Edit_mobanleijia_sum.text(), u"2"_s);
    }
}

TEST_F(Assignment, DamagedSlotListTakesBackTheWholeBatch)
{
    addTemplate(form1.ListView_hengzhaopian, kLandscapeSingle);
    TemplateRow broken = kLandscapePair;
    broken.widths = u"|800|"_s; // two photos but one slot width
    addTemplate(form1.ListView_hengzhaopian, broken);
    batch(u"LLLLL"_s);
    ScriptedDraws draws{0, 1};
    EXPECT_THROW(assign(draws), Failure);
    EXPECT_EQ(form1.ListView_daoruxiangpian.rowCount(), 0);
    EXPECT_EQ(form1.Edit_mobanleijia_sum.text(), u"0"_s);
}

TEST(SeededRandomSource, SameSeedGivesSameDrawsWithinRange)
{
    SeededRandomSource a(42);
    SeededRandomSource b(42);
    SeededRandomSource c(43);
    bool differs = false;
    for (int i = 0; i < 200; ++i) {
        const int count = 1 + i % 7;
        const int x = a.index(count);
        EXPECT_EQ(x, b.index(count));
        EXPECT_GE(x, 0);
        EXPECT_LT(x, count);
        differs = differs || x != c.index(count);
    }
    EXPECT_TRUE(differs);
}

} // namespace
