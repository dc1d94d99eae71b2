#pragma once

#include "app/workspace/program_folder.h"

#include <QString>
#include <QStringList>

namespace velumo {

struct Form1State;
struct FrmMainState;

// How long the album runs and what plays in it. The frame budget is counted in album frames
// (25 per second); the first frame is the opening picture.
struct RenderPlan
{
    int frameBudget = 0;
    QString frameFile;       // the name every video source line carries
    QStringList soundTrack;  // song paths in music table order
    bool photoLength = true; // the album lasts as long as its templates; songs are cut to it
    bool loopMusic = false;  // songs repeat to fill the album
    bool loopPictures = false; // templates repeat to fill a music-length album
    // A music-length album starts its closing template when the album clock reaches this
    // frame, so that every album ends with it; -1 when the closing template needs no push.
    int closingFrame = -1;
};

// How long the album runs: photo length (the templates' frames plus the closing template's
// 100) or music length (the songs' frames), with the fill options of the duration window.
struct DurationChoice
{
    bool photoLength = true;
    bool loopMusic = false;
    bool loopPictures = false;
};

// Rebuilds the template usage table (one row per template instance, from the last photo of
// each instance) and the playlist, and works out the frame budget and the sound track. With
// "loop music" on a photo-length album the songs repeat until they cover the album.
RenderPlan buildRenderPlan(const ProgramFolder &program, const Form1State &form1, FrmMainState &frmMain,
                           DurationChoice duration);

} // namespace velumo
