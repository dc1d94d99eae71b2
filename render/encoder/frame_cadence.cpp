#include "render/encoder/frame_cadence.h"

namespace velumo {

namespace {

// Output frame n shows album frame floor(n × 1001 / 1200): n × 1001/30000 s at 25 a second.
qint64 firstOutputFrameAtOrAfter(qint64 albumFrame)
{
    return (albumFrame * 1200 + 1000) / 1001;
}

} // namespace

FrameSpan outputFramesOf(qint64 albumFrame, bool repeatForNtsc)
{
    if (!repeatForNtsc)
        return {albumFrame, albumFrame + 1};
    return {firstOutputFrameAtOrAfter(albumFrame), firstOutputFrameAtOrAfter(albumFrame + 1)};
}

} // namespace velumo
