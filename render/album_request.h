#pragma once

#include <QString>

namespace velumo {

// The output kinds of the make-album commands.
enum class OutputKind {
    Vcd,
    Svcd,
    Dvd,
    Avi,
    PictureSequence, // numbered pictures in a folder
};

// What a make-album command hands to the render window once the user has chosen the size,
// the file and the lyric type. The settings that outlive one album (the output kind, TV
// standard and quality tokens of Form1, the duration flags of Form2, the chosen size of
// Form39, the lyric type of Form49) are in the project model as well; this is the album's
// own part. For every request the render window starts with "完成后打开保存文件夹" unticked
// and both progress bars at 0.
struct AlbumRequest
{
    OutputKind kind = OutputKind::Dvd;
    // edVideoOut and edAudioOut: the file the encoder writes, the same path in both. For a
    // picture sequence, the first picture ("01." + format) inside the folder just created.
    QString videoOut;
    QString audioOut;
    // suiEdit_baocunwenjianming: the album's name as the render window shows it.
    QString shownName;
    // Edit_chicun_width × Edit_chicun_height: the player, overlay and encoded frame size.
    int width = 1280;
    int height = 720;
    // "JPG", "BMP", "TGA" or "PCX" for a picture sequence; empty for the other kinds.
    QString pictureFormat;
};

} // namespace velumo
