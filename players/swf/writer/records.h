#pragma once

// Encoders of the SWF format's compound records, each on whole bytes with minimal field widths.

#include "players/swf/model.h"
#include "players/swf/writer/bit_writer.h"

namespace velumo::swf::writer {

void writeRect(BitWriter &out, const Rect &rect);
// Scale and rotate/skew terms go as 16.16 fixed point, the translation in whole twips (rounded).
void writeMatrix(BitWriter &out, const Matrix &matrix);
// CXFORMWITHALPHA. Terms must fit 15 signed bits (multipliers up to 64.0).
void writeColorTransform(BitWriter &out, const ColorTransform &transform);
void writeColour(BitWriter &out, Rgba colour, bool withAlpha);

// FILLSTYLE and LINESTYLE / LINESTYLE2 as the given DefineShape version (1-4) encodes them:
// RGB before version 3, the focal gradient and line fills only in version 4.
void writeFillStyle(BitWriter &out, const FillStyle &style, int shapeVersion);
void writeLineStyle(BitWriter &out, const LineStyle &style, int shapeVersion);

} // namespace velumo::swf::writer
