#pragma once

#include <QString>

namespace velumo {

struct ProjectModel;
struct Form2State;

// The duration window's choices. The renderer reads the flags of Form2 (RadioButton1 photo
// length, CheckBox1 loop music, CheckBox2 loop pictures); the summary panel reads the token
// Edit_tongbu_shezhi. Both are kept in step here.
enum class AlbumLengthMode { Photos, Music };

QString albumLengthToken(AlbumLengthMode mode); // "sui_zhaopian_tongbu", "sui_yinyue_tongbu"
AlbumLengthMode albumLengthMode(const Form2State &state);

// Before the window shows: an album without songs can only follow its photos, so the photo
// length is selected and neither fill option is ticked.
void prepareAlbumLength(ProjectModel &model);

// Photo length also unticks "以画面循环播放补充帧频": the pictures never run out first.
void chooseAlbumLength(ProjectModel &model, AlbumLengthMode mode);

} // namespace velumo
