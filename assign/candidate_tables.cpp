#include "assign/candidate_tables.h"

#include "app/project/form1_state.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

constexpr int kPhotoCount = 2;

bool inRange(const QString &photoCount, CandidateRange range)
{
    switch (range) {
    case CandidateRange::SinglePhoto:
        return photoCount == u"1"_s;
    case CandidateRange::UpToTwoPhotos:
        return photoCount == u"1"_s || photoCount == u"2"_s;
    case CandidateRange::Any:
        return true;
    }
    return false;
}

void copyRows(const StringTable &from, StringTable &to, CandidateRange range)
{
    to.clear();
    for (int row = 0; row < from.rowCount(); ++row) {
        if (inRange(from.cell(row, kPhotoCount), range))
            from.copyRowTo(row, to);
    }
}

} // namespace

CandidateRange candidateRangeForBatch(int batchSize)
{
    if (batchSize < 5)
        return CandidateRange::SinglePhoto;
    if (batchSize < 12)
        return CandidateRange::UpToTwoPhotos;
    return CandidateRange::Any;
}

bool batchUsesFallbacks(int batchSize)
{
    return batchSize >= 5;
}

void buildCandidateTables(Form1State &form1, int batchSize)
{
    const CandidateRange range = candidateRangeForBatch(batchSize);
    copyRows(form1.ListView_hengzhaopian, form1.ListView_hengzhaopian_suijishu, range);
    copyRows(form1.ListView_shuzhaopian, form1.ListView_shuzhaopian_suijishu, range);
    if (batchUsesFallbacks(batchSize)) {
        copyRows(form1.ListView_hengzhaopian, form1.ListView_hengzhaopian_suijishu_wei_1, CandidateRange::SinglePhoto);
        copyRows(form1.ListView_shuzhaopian, form1.ListView_shuzhaopian_suijishu_wei_1, CandidateRange::SinglePhoto);
    }
}

} // namespace velumo
