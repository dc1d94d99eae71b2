#pragma once

#include <QString>
#include <QStringList>

namespace velumo {

// What the render window hands its conversion: the setting tokens of the main window, the
// chosen size, the duration mode, the output names and the two source lists.
struct ConversionRequest
{
    QString outputKind = QStringLiteral("DVD");          // "VCD", "SVCD", "DVD", "AVI", "XLTP"
    QString tvStandard = QStringLiteral("PAL");          // "PAL" or "NTSC"
    QString quality = QStringLiteral("gaoqing_huazhi");  // or "yiban_huazhi"
    bool photoLengthMode = true;                         // Form2's RadioButton1
    bool keepDuration = true;                            // chkKeepDuration
    int width = 1280;                                    // Edit_chicun_width
    int height = 720;                                    // Edit_chicun_height
    QString videoOut;                                    // edVideoOut
    QString audioOut;                                    // edAudioOut
    QStringList videoLines;                              // ListBox_Video
    QStringList audioLines;                              // ListBox_Audio
};

} // namespace velumo
