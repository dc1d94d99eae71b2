#include "assign/template_assignment.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/project/photo_columns.h"
#include "assign/candidate_tables.h"
#include "assign/random_source.h"
#include "templates/slot_list.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

namespace pc = photo_column;
namespace tc = template_column;

const QString kLandscape = u"heng_zhao"_s;
const QString kPortrait = u"shu_zhao"_s;
const QString kNotDone = u"jiancai_no"_s;

QString slotItem(const StringTable &candidates, int row, int column, int slot)
{
    const QStringList items = slotListItems(candidates.cell(row, column));
    if (slot < 1 || slot > items.size()) {
        throw Failure(u"模板参数有误：模板%1的相片尺寸只有%2项，无法放入第%3张相片。"_s.arg(
            candidates.cell(row, tc::kCatalogueIndex), QString::number(items.size()), QString::number(slot)));
    }
    return items.at(slot - 1);
}

class BatchAssigner
{
public:
    BatchAssigner(Form1State &form1, RandomSource &random)
        : m_form1(form1)
        , m_batch(form1.ListView_daoruxiangpianchuli)
        , m_random(random)
    {
    }

    void assignSmallBatch(const std::function<void()> &step)
    {
        for (int q = 0; q < m_batch.rowCount(); ++q) {
            step();
            openInstance();
            const bool landscape = m_batch.cell(q, pc::kOrientation) == kLandscape;
            StringTable &candidates = landscape ? m_form1.ListView_hengzhaopian_suijishu : m_form1.ListView_shuzhaopian_suijishu;
            slotRecord(q, candidates, draw(candidates), 1, u"picture_1"_s);
            appendToAlbum(q);
        }
    }

    void assignLargeBatch(const std::function<void()> &step)
    {
        for (int q = 0; q < m_batch.rowCount(); ++q) {
            step();
            if (isWaiting(q, kLandscape))
                assignLandscape(q);
            if (isWaiting(q, kPortrait))
                assignPortrait(q);
            appendToAlbum(q);
        }
    }

private:
    void assignLandscape(int q)
    {
        StringTable &candidates = m_form1.ListView_hengzhaopian_suijishu;
        const int c = draw(candidates);
        if (candidates.cell(c, tc::kPhotoCount) == u"1"_s) {
            openInstance();
            slotRecord(q, candidates, c, 1, u"picture_1h"_s);
            return;
        }
        const int waiting = countWaiting(kLandscape);
        const int slotCount = candidates.cellNumber(c, tc::kLandscapeSlots);
        if (slotCount > waiting) {
            fallBack(q, m_form1.ListView_hengzhaopian_suijishu_wei_1, u"picture_1he不成立"_s);
            return;
        }
        openInstance();
        fillGroup(candidates, c, kLandscape, slotCount, u"  heng"_s);
    }

    // Portrait groups need strictly more waiting photos than slots, and fill as many slots as
    // the template takes photos: both differ from the landscape rule on purpose.
    void assignPortrait(int q)
    {
        StringTable &candidates = m_form1.ListView_shuzhaopian_suijishu;
        const int c = draw(candidates);
        if (candidates.cell(c, tc::kPhotoCount) == u"1"_s) {
            openInstance();
            slotRecord(q, candidates, c, 1, u"picture_1s"_s);
            return;
        }
        const int waiting = countWaiting(kPortrait);
        const int slotCount = candidates.cellNumber(c, tc::kPortraitSlots);
        if (slotCount >= waiting) {
            fallBack(q, m_form1.ListView_shuzhaopian_suijishu_wei_1, u"picture_1sh不成立"_s);
            return;
        }
        openInstance();
        fillGroup(candidates, c, kPortrait, candidates.cellNumber(c, tc::kPhotoCount), u"  shu"_s);
    }

    void fallBack(int q, StringTable &fallbacks, const QString &trace)
    {
        const int f = draw(fallbacks);
        if (fallbacks.cell(f, tc::kPhotoCount) == u"1"_s) {
            openInstance();
            slotRecord(q, fallbacks, f, 1, trace);
        }
    }

    // The group starts with the current photo, the first waiting one of its orientation, and
    // takes the next waiting photos of that orientation further down the batch. A template
    // that declares no slot for the orientation still takes the current photo, so no photo is
    // left without a template.
    void fillGroup(const StringTable &candidates, int c, const QString &orientation, int size, const QString &suffix)
    {
        const int limit = std::max(size, 1);
        int k = 0;
        for (int r = 0; r < m_batch.rowCount() && k < limit; ++r) {
            if (!isWaiting(r, orientation))
                continue;
            ++k;
            slotRecord(r, candidates, c, k, u"picture_"_s + QString::number(k) + suffix);
        }
    }

    bool isWaiting(int row, const QString &orientation) const
    {
        return m_batch.cell(row, pc::kOrientation) == orientation && m_batch.cell(row, pc::kTrace).isEmpty();
    }

    int countWaiting(const QString &orientation) const
    {
        int count = 0;
        for (int r = 0; r < m_batch.rowCount(); ++r)
            count += isWaiting(r, orientation) ? 1 : 0;
        return count;
    }

    int draw(const StringTable &table) { return m_random.index(table.rowCount()); }

    void openInstance()
    {
        m_form1.Edit_mobanleijia_sum.setText(QString::number(m_form1.Edit_mobanleijia_sum.number() + 1));
    }

    void slotRecord(int r, const StringTable &candidates, int c, int slot, const QString &trace)
    {
        const QString width = slotItem(candidates, c, tc::kSlotWidths, slot);
        const QString height = slotItem(candidates, c, tc::kSlotHeights, slot);
        m_batch.setCell(r, pc::kInstance, m_form1.Edit_mobanleijia_sum.text());
        m_batch.setCell(r, pc::kTemplateIndex, candidates.cell(c, tc::kCatalogueIndex));
        m_batch.setCell(r, pc::kTemplatePhotos, candidates.cell(c, tc::kPhotoCount));
        m_batch.setCell(r, pc::kMoviePackage, candidates.cell(c, tc::kMoviePackage));
        m_batch.setCell(r, pc::kTrace, trace);
        m_batch.setCell(r, pc::kSlotName, u"picture_"_s + QString::number(slot));
        m_batch.setCell(r, pc::kSlotWidth, width);
        m_batch.setCell(r, pc::kSlotHeight, height);
        m_batch.setCell(r, pc::kSlotWidths, candidates.cell(c, tc::kSlotWidths));
        m_batch.setCell(r, pc::kSlotHeights, candidates.cell(c, tc::kSlotHeights));
        m_batch.setCell(r, pc::kSlotOrientations, candidates.cell(c, tc::kSlotOrientations));
        m_batch.setCell(r, pc::kSlotPictureNames, candidates.cell(c, tc::kSlotPictureNames));
        m_batch.setCell(r, pc::kTotalFrames, candidates.cell(c, tc::kTotalFrames));
    }

    void appendToAlbum(int q)
    {
        QStringList row = m_batch.row(q);
        row << kNotDone << kNotDone;
        m_form1.ListView_daoruxiangpian.appendRow(row);
    }

    Form1State &m_form1;
    StringTable &m_batch;
    RandomSource &m_random;
};

QString rangeName(CandidateRange range)
{
    switch (range) {
    case CandidateRange::SinglePhoto:
        return u"单张相片模板"_s;
    case CandidateRange::UpToTwoPhotos:
        return u"单张或两张相片模板"_s;
    case CandidateRange::Any:
        break;
    }
    return u"模板"_s;
}

bool hasGroupTemplate(const StringTable &candidates)
{
    for (int row = 0; row < candidates.rowCount(); ++row) {
        if (candidates.cell(row, tc::kPhotoCount) != u"1"_s)
            return true;
    }
    return false;
}

void checkOrientationCovered(const StringTable &candidates, const StringTable &fallbacks, int batchSize,
                             const QString &photoKind)
{
    if (candidates.rowCount() == 0) {
        throw Failure(u"模板库中没有可用于%1的%2，无法添加这批相片。"_s.arg(
            photoKind, rangeName(candidateRangeForBatch(batchSize))));
    }
    if (batchUsesFallbacks(batchSize) && hasGroupTemplate(candidates) && fallbacks.rowCount() == 0)
        throw Failure(u"模板库中没有可用于%1的单张相片模板，无法添加这批相片。"_s.arg(photoKind));
}

void checkLibraryCovers(const Form1State &form1)
{
    const StringTable &batch = form1.ListView_daoruxiangpianchuli;
    bool landscape = false;
    bool portrait = false;
    for (int r = 0; r < batch.rowCount(); ++r) {
        landscape = landscape || batch.cell(r, pc::kOrientation) == kLandscape;
        portrait = portrait || batch.cell(r, pc::kOrientation) == kPortrait;
    }
    const int size = batch.rowCount();
    if (landscape)
        checkOrientationCovered(form1.ListView_hengzhaopian_suijishu, form1.ListView_hengzhaopian_suijishu_wei_1, size, u"横照片"_s);
    if (portrait)
        checkOrientationCovered(form1.ListView_shuzhaopian_suijishu, form1.ListView_shuzhaopian_suijishu_wei_1, size, u"竖照片"_s);
}

} // namespace

void assignBatch(Form1State &form1, RandomSource &random, const std::function<void()> &step)
{
    const int batchSize = form1.ListView_daoruxiangpianchuli.rowCount();
    buildCandidateTables(form1, batchSize);
    checkLibraryCovers(form1);

    // A damaged slot list found half way must not leave half a batch in the album.
    const QString counter = form1.Edit_mobanleijia_sum.text();
    const int albumRows = form1.ListView_daoruxiangpian.rowCount();
    try {
        BatchAssigner assigner(form1, random);
        if (candidateRangeForBatch(batchSize) == CandidateRange::SinglePhoto)
            assigner.assignSmallBatch(step);
        else
            assigner.assignLargeBatch(step);
    } catch (...) {
        while (form1.ListView_daoruxiangpian.rowCount() > albumRows)
            form1.ListView_daoruxiangpian.deleteRow(albumRows);
        form1.Edit_mobanleijia_sum.setText(counter);
        throw;
    }
}

} // namespace velumo
