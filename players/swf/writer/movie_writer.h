#pragma once

// Writes a whole movie in the SWF format: header, dictionary and timelines.
//
//     MovieWriter movie;
//     movie.setStageSize(1920, 1080);
//     ShapeBuilder shape;
//     shape.rectangle({0, 4000, 0, 2000}, shape.addFill(solidFill({255, 0, 0, 255})));
//     movie.place(1, movie.defineShape(shape));
//     movie.showFrame();
//     Bytes file = movie.finish(Compression::Zlib);

#include "players/swf/model.h"
#include "players/swf/writer/action_assembler.h"
#include "players/swf/writer/bit_writer.h"
#include "players/swf/writer/shape_builder.h"
#include "players/swf/writer/tag_writer.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace velumo::swf::writer {

enum class Compression {
    None, // FWS
    Zlib, // CWS: everything after the first 8 bytes as one zlib stream (SWF 6 and later)
};

// The control tags of one timeline, the movie's or a sprite's, frame by frame. showFrame()
// closes a frame. When the timeline is written, tags after the last showFrame() close one
// more frame, and a timeline with no frame at all gets one empty frame, so that the frame
// count always equals the number of ShowFrame tags.
class TimelineWriter
{
public:
    virtual ~TimelineWriter() = default;

    // PlaceObject2. move = false puts a new instance at an empty depth and needs a character;
    // move = true modifies the instance at the depth (absent fields keep their value), or
    // replaces its character when one is given. `visible` cannot be expressed: WriteError.
    void place(const PlaceCommand &command);
    // A new instance, always with a matrix.
    void place(std::uint16_t depth, std::uint16_t characterId, const Matrix &matrix = {});
    void modify(std::uint16_t depth, const Matrix &matrix);
    void modify(std::uint16_t depth, const Matrix &matrix, const ColorTransform &colorTransform);
    void remove(std::uint16_t depth); // RemoveObject2
    void frameLabel(std::string_view name);
    void doAction(const ActionAssembler &actions);
    // Raw action records, ending with the End action.
    void doAction(std::span<const std::uint8_t> actionRecords);
    void showFrame();

    // Frames closed by showFrame() so far.
    std::uint16_t frameCount() const { return m_frames; }

protected:
    // Called with the character of each placement before its tag is written.
    virtual void checkCharacter(std::uint16_t id) const;
    void requireVersion(int version) { m_minimumVersion = std::max(m_minimumVersion, version); }

    TagWriter m_tags;

private:
    friend class MovieWriter;

    void controlTag(TagCode code, std::span<const std::uint8_t> body, int version);
    // The tags with the closing ShowFrame and End; sets `frames` to the frames they hold.
    Bytes closedTags(std::uint16_t &frames) const;

    std::uint16_t m_frames = 0;
    bool m_frameOpen = false; // control tags written since the last ShowFrame
    std::uint16_t m_highestCharacter = 0;
    int m_minimumVersion = 1;
};

// A sprite's timeline: control tags only. Characters it places must be defined in the movie
// before the sprite itself.
class SpriteWriter : public TimelineWriter
{
};

class MovieWriter : public TimelineWriter
{
public:
    void setVersion(std::uint8_t version) { m_version = version; } // default 8
    void setStageSize(int widthPixels, int heightPixels);
    void setStageRect(const Rect &twips);
    void setFrameRate(double framesPerSecond); // default 25, stored as 8.8
    void setBackground(Rgba colour);           // default white; alpha is ignored

    // Definitions return the character id, handed out from 1 in call order.
    std::uint16_t defineShape(const ShapeBuilder &shape, ShapeTag tag = ShapeTag::Auto);
    // DefineBitsJPEG2 holding the bytes of a JPEG file as they are.
    std::uint16_t defineBitmapJpeg(const QByteArray &jpegFile);
    // DefineBitsJPEG2, or DefineBitsJPEG3 with an alpha channel when the image has transparency.
    std::uint16_t defineBitmapJpeg(const QImage &image, int quality = 90);
    // DefineBitsLossless2, 32-bit premultiplied ARGB.
    std::uint16_t defineBitmapLossless(const QImage &image);
    std::uint16_t defineSprite(const SpriteWriter &sprite);

    // The file. Fails when the version is too low for a tag written or for compression.
    Bytes finish(Compression compression = Compression::None) const;

private:
    void checkCharacter(std::uint16_t id) const override;
    std::uint16_t definition(TagCode code, std::span<const std::uint8_t> body, int version);
    std::uint16_t nextId() const;

    std::uint8_t m_version = 8;
    Rect m_stage;
    std::uint16_t m_frameRate = 25 * 256;
    Rgba m_background{255, 255, 255, 255};
    std::uint16_t m_nextId = 1;
};

} // namespace velumo::swf::writer
