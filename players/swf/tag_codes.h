#pragma once

#include <cstdint>

namespace velumo::swf {

// Codes of the SWF tags the reader and the writer know.
using TagCode = std::uint16_t;

namespace tag {
enum : TagCode {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    PlaceObject = 4,
    RemoveObject = 5,
    DefineBits = 6,
    JpegTables = 8,
    SetBackgroundColor = 9,
    DoAction = 12,
    DefineBitsLossless = 20,
    DefineBitsJpeg2 = 21,
    DefineShape2 = 22,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineBitsJpeg3 = 35,
    DefineBitsLossless2 = 36,
    DefineSprite = 39,
    FrameLabel = 43,
    FileAttributes = 69,
    PlaceObject3 = 70,
    DefineShape4 = 83,
    DefineBitsJpeg4 = 90,
};
} // namespace tag

} // namespace velumo::swf
