#pragma once

// A template of the library: its parameters as the catalogue reads them and the composition
// that makes its movie.

#include "players/swf/writer/bit_writer.h"
#include "tools/template_author/composer.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace velumo::author {

enum class Orientation { Landscape, Portrait, Either };

struct Slot
{
    int width = 0;  // 0 with height 0: the photo arrives full screen
    int height = 0;
    Orientation orientation = Orientation::Landscape;

    bool fullScreen() const { return width == 0 && height == 0; }
};

struct TemplateDesign
{
    std::string file;  // package file name without extension; name order is library order
    QString type;      // mblx, shown to the user
    std::vector<Slot> photoSlots;
    int frames = 125;
    std::function<void(Composer &)> compose;
};

// The size at which a slot's photo arrives: the slot size, or for a full-screen slot
// 1920 × 1080 (landscape) and 1080 × 1080 (portrait, the enlargement mode's picture).
QSize arrivalSize(const Slot &slot);
// Where a full-screen portrait photo of 1080 × 1080 sits when centred on the stage.
inline constexpr double kPortraitFullScreenLeft = (kStageWidth - 1080) / 2.0;

// "heng", "shu" or "shuheng".
QString orientationWord(Orientation o);
// The category shown in the catalogue, from the slots ("单张横照", "双张竖照", "横竖混排" ...).
QString categoryOf(const TemplateDesign &design);

// The parameter file: UTF-8 INI text with CRLF line ends.
QByteArray parameterFile(const TemplateDesign &design);
// The template movie.
swf::writer::Bytes composeMovie(const TemplateDesign &design);

} // namespace velumo::author
