#pragma once

#include <QString>

namespace velumo {

struct Form1State;

// What the right-hand column of the main window shows about the project.
struct SummaryTexts
{
    QString photoCount;
    QString musicCount;
    QString lyricCount;
    QString quality;       // "一般画质" / "高清画质"
    QString tvStandard;    // "PAL制式" / "NTSC制式"
    QString albumLength;   // "相片为准" / "音乐为准"
    QString textEffects;
    QString pictureEffects;

    bool operator==(const SummaryTexts &) const = default;
};

SummaryTexts summaryTexts(const Form1State &form1);

// The help ticker's text moves up one pixel per refresh and starts again below the box once
// it has passed above it.
int nextTickerTop(int top, int textHeight);
inline constexpr int kTickerRestartTop = 50;

} // namespace velumo
