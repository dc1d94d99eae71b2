#pragma once

#include <QString>

#include <optional>

namespace velumo {

struct Form1State;
struct Form17State;
struct Form49State;

// The choices of the other-settings window and the lyric type window, and the tokens they
// write. Every choice takes effect at once; the windows have nothing to confirm.

enum class TvStandard { Pal, Ntsc };
enum class PictureQuality { Normal, High };

QString tvStandardToken(TvStandard standard);     // "PAL", "NTSC"
QString pictureQualityToken(PictureQuality quality); // "yiban_huazhi", "gaoqing_huazhi"

// Edit_VCDSVCDDVD_zhishi and Edit_huanmian_zhiliang. Reading gives nothing for a token that
// is neither of the two.
void setTvStandard(Form1State &form1, TvStandard standard);
std::optional<TvStandard> tvStandard(const Form1State &form1);
void setPictureQuality(Form1State &form1, PictureQuality quality);
std::optional<PictureQuality> pictureQuality(const Form1State &form1);

// How photo fitting treats slots without a fixed size; each pair keeps exactly one choice.
enum class LandscapeCrop { FullScreen, TemplateDefault };
enum class PortraitCrop { Enlarge, TemplateDefault };

void setLandscapeCrop(Form17State &state, LandscapeCrop crop);
LandscapeCrop landscapeCrop(const Form17State &state);
void setPortraitCrop(Form17State &state, PortraitCrop crop);
PortraitCrop portraitCrop(const Form17State &state);

// Which lyrics an album with songs, LRC lyrics and karaoke scripts draws.
enum class LyricType { Lrc, Karaoke, Both };

QString lyricTypeToken(LyricType type); // "shiyong_lrc", "shiyong_ksc", "shiyong_lrcksc"
void setLyricType(Form49State &state, LyricType type);
std::optional<LyricType> lyricType(const Form49State &state);

} // namespace velumo
