#pragma once

#include <QByteArrayView>
#include <QSize>

namespace velumo {

// What walking a JPEG file's markers tells before any pixel is decoded.
enum class JpegStructureProblem {
    None,
    NotJpeg,    // no start-of-image marker, or a segment that makes no sense
    Truncated,  // the data ends before the end-of-image marker
    NoFrame,    // scan data without a frame header, or a frame of zero size
    // Less coded data than the frame's blocks need: a few bytes claiming a huge frame, which
    // decoders would still allocate whole-frame buffers for.
    TooLittleData,
};

struct JpegStructure
{
    JpegStructureProblem problem = JpegStructureProblem::None;
    QSize frameSize; // as stored, before any orientation is applied; also set for TooLittleData
    int components = 0;
};

// Walks the segments and the entropy-coded scans up to the end-of-image marker. Decoders accept
// a cut-off file silently and fill the missing part grey, so this is where an incomplete photo
// is caught. Reads only within `data`; bytes after the end-of-image marker are ignored.
JpegStructure inspectJpegStructure(QByteArrayView data);

} // namespace velumo
