#include "render/render_plan.h"

#include "app/project/form1_state.h"
#include "app/project/frm_main_state.h"
#include "app/project/photo_columns.h"
#include "app/tables/decimal_text.h"
#include "assign/instance_paths.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

namespace pc = photo_column;

constexpr int kClosingFrames = 100;
constexpr int kUsageFrames = 7;
constexpr int kMusicPath = 3;
constexpr int kMusicFrames = 5;

void buildUsageTable(const ProgramFolder &program, const Form1State &form1, StringTable &usage)
{
    usage.clear();
    const int instances = form1.Edit_mobanleijia_sum.number();
    for (int n = 1; n <= instances; ++n) {
        const QString number = QString::number(n);
        usage.appendRow({number, number, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s});
    }
    const StringTable &photos = form1.ListView_daoruxiangpian;
    const QString movieExtension = form1.Edit_kuozhanming_1.text();
    for (int row = 0; row < photos.rowCount(); ++row) {
        const int n = photos.cellNumber(row, pc::kInstance);
        if (n < 1 || n > instances)
            continue;
        // A later photo of the same instance overwrites an earlier one; all carry the same values.
        const int r = n - 1;
        usage.setCell(r, 2, photos.cell(row, pc::kTemplateIndex));
        usage.setCell(r, 3, photos.cell(row, pc::kTemplatePhotos));
        usage.setCell(r, 4, photos.cell(row, pc::kMoviePackage));
        usage.setCell(r, 5, photos.cell(row, pc::kSlotOrientations));
        usage.setCell(r, 6, photos.cell(row, pc::kSlotPictureNames));
        usage.setCell(r, 7, photos.cell(row, pc::kTotalFrames));
        usage.setCell(r, 8, instance_paths::movie(program, QString::number(n), movieExtension));
    }
}

int musicFrames(const StringTable &music)
{
    int frames = 0;
    for (int row = 0; row < music.rowCount(); ++row)
        frames += std::max(music.cellNumber(row, kMusicFrames), 0);
    return frames;
}

} // namespace

RenderPlan buildRenderPlan(const ProgramFolder &program, const Form1State &form1, FrmMainState &frmMain,
                           DurationChoice duration)
{
    StringTable &usage = frmMain.ListView_moban_shiyong_shuliang;
    StringTable &playlist = frmMain.ListView_moban_shiyong_shuliang_2;
    buildUsageTable(program, form1, usage);

    RenderPlan plan;
    plan.frameFile = program.resolve(u"smxcwjj\\tp_load\\tp_load_1.bmp"_s);
    plan.loopPictures = duration.loopPictures;
    playlist.clear();
    int templateFrames = 0;
    for (int r = 0; r < usage.rowCount(); ++r) {
        QStringList row = usage.row(r);
        row[0] = QString::number(r + 1);
        playlist.appendRow(row);
        templateFrames += std::max(parseDecimalInt(row[kUsageFrames]).value_or(0), 0);
    }

    const StringTable &music = form1.ListView_daoru_yinyue;
    for (int row = 0; row < music.rowCount(); ++row)
        plan.soundTrack << music.cell(row, kMusicPath);
    const int songFrames = musicFrames(music);
    frmMain.Edit_yinyue_zongchangdu.setText(QString::number(songFrames / 25));

    // A music-length album needs songs to measure; without them it is a photo-length album.
    plan.photoLength = duration.photoLength || music.rowCount() == 0 || songFrames == 0;
    plan.loopMusic = duration.loopMusic && music.rowCount() > 0;
    plan.frameBudget = plan.photoLength ? templateFrames + kClosingFrames : std::max(songFrames, 1);
    if (!plan.photoLength && songFrames > 2 * kClosingFrames - 1)
        plan.closingFrame = songFrames - kClosingFrames;
    if (plan.photoLength && plan.loopMusic && songFrames > 0) {
        const QStringList songs = plan.soundTrack;
        for (int covered = songFrames; covered < plan.frameBudget; covered += songFrames)
            plan.soundTrack << songs;
    }
    return plan;
}

} // namespace velumo
