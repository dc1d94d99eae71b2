#include "render/output/album_length.h"

#include "app/project/project_model.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString albumLengthToken(AlbumLengthMode mode)
{
    return mode == AlbumLengthMode::Photos ? u"sui_zhaopian_tongbu"_s : u"sui_yinyue_tongbu"_s;
}

AlbumLengthMode albumLengthMode(const Form2State &state)
{
    return state.RadioButton1 ? AlbumLengthMode::Photos : AlbumLengthMode::Music;
}

void prepareAlbumLength(ProjectModel &model)
{
    if (model.form1.ListView_daoru_yinyue.rowCount() > 0)
        return;
    chooseAlbumLength(model, AlbumLengthMode::Photos);
    model.form2.CheckBox1 = false;
}

void chooseAlbumLength(ProjectModel &model, AlbumLengthMode mode)
{
    model.form1.Edit_tongbu_shezhi.setText(albumLengthToken(mode));
    model.form2.RadioButton1 = mode == AlbumLengthMode::Photos;
    model.form2.RadioButton2 = mode == AlbumLengthMode::Music;
    if (mode == AlbumLengthMode::Photos)
        model.form2.CheckBox2 = false;
}

} // namespace velumo
