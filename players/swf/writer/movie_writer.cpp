#include "players/swf/writer/movie_writer.h"

#include "players/swf/writer/bitmap_encoder.h"
#include "players/swf/writer/records.h"

#include <cmath>
#include <string>

namespace velumo::swf::writer {

namespace {

std::span<const std::uint8_t> asBytes(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), static_cast<std::size_t>(data.size())};
}

TagCode shapeTagCode(ShapeTag tag)
{
    switch (shapeVersion(tag)) {
    case 1:
        return tag::DefineShape;
    case 2:
        return tag::DefineShape2;
    case 3:
        return tag::DefineShape3;
    default:
        return tag::DefineShape4;
    }
}

} // namespace

void TimelineWriter::checkCharacter(std::uint16_t id) const
{
    if (id == 0)
        throw WriteError("character id 0 is never defined");
}

void TimelineWriter::controlTag(TagCode code, std::span<const std::uint8_t> body, int version)
{
    m_tags.write(code, body);
    m_frameOpen = true;
    requireVersion(version);
}

void TimelineWriter::place(const PlaceCommand &command)
{
    if (command.visible)
        throw WriteError("PlaceObject2 cannot set visibility");
    if (!command.move && !command.characterId)
        throw WriteError("a new instance needs a character");
    if (command.characterId)
        checkCharacter(*command.characterId);

    std::uint8_t flags = 0;
    flags |= command.clipDepth ? 0x40 : 0;
    flags |= command.name ? 0x20 : 0;
    flags |= command.ratio ? 0x10 : 0;
    flags |= command.colorTransform ? 0x08 : 0;
    flags |= command.matrix ? 0x04 : 0;
    flags |= command.characterId ? 0x02 : 0;
    flags |= command.move ? 0x01 : 0;

    BitWriter body;
    body.u8(flags);
    body.u16(command.depth);
    if (command.characterId)
        body.u16(*command.characterId);
    if (command.matrix)
        writeMatrix(body, *command.matrix);
    if (command.colorTransform)
        writeColorTransform(body, *command.colorTransform);
    if (command.ratio)
        body.u16(*command.ratio);
    if (command.name)
        body.string(*command.name);
    if (command.clipDepth)
        body.u16(*command.clipDepth);
    controlTag(tag::PlaceObject2, body.take(), 3);
    if (command.characterId)
        m_highestCharacter = std::max(m_highestCharacter, *command.characterId);
}

void TimelineWriter::place(std::uint16_t depth, std::uint16_t characterId, const Matrix &matrix)
{
    PlaceCommand command;
    command.depth = depth;
    command.characterId = characterId;
    command.matrix = matrix;
    place(command);
}

void TimelineWriter::modify(std::uint16_t depth, const Matrix &matrix)
{
    PlaceCommand command;
    command.depth = depth;
    command.move = true;
    command.matrix = matrix;
    place(command);
}

void TimelineWriter::modify(std::uint16_t depth, const Matrix &matrix, const ColorTransform &colorTransform)
{
    PlaceCommand command;
    command.depth = depth;
    command.move = true;
    command.matrix = matrix;
    command.colorTransform = colorTransform;
    place(command);
}

void TimelineWriter::remove(std::uint16_t depth)
{
    BitWriter body;
    body.u16(depth);
    controlTag(tag::RemoveObject2, body.take(), 3);
}

void TimelineWriter::frameLabel(std::string_view name)
{
    if (name.empty())
        throw WriteError("empty frame label");
    BitWriter body;
    body.string(name);
    controlTag(tag::FrameLabel, body.take(), 3);
}

void TimelineWriter::doAction(const ActionAssembler &actions)
{
    doAction(actions.bytes());
}

void TimelineWriter::doAction(std::span<const std::uint8_t> actionRecords)
{
    if (actionRecords.empty() || actionRecords.back() != 0)
        throw WriteError("action records must end with the End action");
    controlTag(tag::DoAction, actionRecords, 3);
}

void TimelineWriter::showFrame()
{
    if (m_frames == 0xFFFF)
        throw WriteError("more than 65535 frames");
    m_tags.write(tag::ShowFrame);
    ++m_frames;
    m_frameOpen = false;
}

Bytes TimelineWriter::closedTags(std::uint16_t &frames) const
{
    TagWriter tail;
    frames = m_frames;
    if (m_frameOpen || m_frames == 0) {
        if (m_frames == 0xFFFF)
            throw WriteError("more than 65535 frames");
        tail.write(tag::ShowFrame);
        ++frames;
    }
    tail.write(tag::End);
    Bytes out = m_tags.bytes();
    out.insert(out.end(), tail.bytes().begin(), tail.bytes().end());
    return out;
}

void MovieWriter::setStageSize(int widthPixels, int heightPixels)
{
    setStageRect({0, pixelsToTwips(widthPixels), 0, pixelsToTwips(heightPixels)});
}

void MovieWriter::setStageRect(const Rect &twips)
{
    if (twips.xMax <= twips.xMin || twips.yMax <= twips.yMin)
        throw WriteError("empty stage");
    m_stage = twips;
}

void MovieWriter::setFrameRate(double framesPerSecond)
{
    const double fixed = std::round(framesPerSecond * 256.0);
    if (!(fixed >= 1 && fixed <= 0xFFFF))
        throw WriteError("frame rate out of range: " + std::to_string(framesPerSecond));
    m_frameRate = static_cast<std::uint16_t>(fixed);
}

void MovieWriter::setBackground(Rgba colour)
{
    m_background = colour;
}

std::uint16_t MovieWriter::nextId() const
{
    if (m_nextId == 0xFFFF)
        throw WriteError("more than 65534 characters");
    return m_nextId;
}

void MovieWriter::checkCharacter(std::uint16_t id) const
{
    if (id == 0 || id >= m_nextId)
        throw WriteError("character " + std::to_string(id) + " is placed before it is defined");
}

std::uint16_t MovieWriter::definition(TagCode code, std::span<const std::uint8_t> body, int version)
{
    m_tags.write(code, body);
    requireVersion(version);
    return m_nextId++;
}

std::uint16_t MovieWriter::defineShape(const ShapeBuilder &shape, ShapeTag tag)
{
    const ShapeTag resolved = shape.resolveTag(tag);
    const Bytes body = shape.encode(nextId(), resolved);
    return definition(shapeTagCode(resolved), body, shape.swfVersionNeeded(resolved));
}

std::uint16_t MovieWriter::defineBitmapJpeg(const QByteArray &jpegFile)
{
    return definition(tag::DefineBitsJpeg2, jpeg2Body(nextId(), asBytes(jpegFile)), 2);
}

std::uint16_t MovieWriter::defineBitmapJpeg(const QImage &image, int quality)
{
    const JpegTagBody jpeg = jpegBody(nextId(), image, quality);
    return jpeg.withAlpha ? definition(tag::DefineBitsJpeg3, jpeg.body, 3)
                          : definition(tag::DefineBitsJpeg2, jpeg.body, 2);
}

std::uint16_t MovieWriter::defineBitmapLossless(const QImage &image)
{
    return definition(tag::DefineBitsLossless2, lossless2Body(nextId(), image), 3);
}

std::uint16_t MovieWriter::defineSprite(const SpriteWriter &sprite)
{
    const std::uint16_t id = nextId();
    if (sprite.m_highestCharacter >= id)
        throw WriteError("the sprite places character " + std::to_string(sprite.m_highestCharacter)
                         + ", which is not defined before it");
    std::uint16_t frames = 0;
    const Bytes tags = sprite.closedTags(frames);
    BitWriter body;
    body.u16(id);
    body.u16(frames);
    body.append(tags);
    return definition(tag::DefineSprite, body.take(), std::max(3, sprite.m_minimumVersion));
}

Bytes MovieWriter::finish(Compression compression) const
{
    if (m_stage.xMax <= m_stage.xMin || m_stage.yMax <= m_stage.yMin)
        throw WriteError("stage size not set");
    if (m_version < m_minimumVersion)
        throw WriteError("SWF version " + std::to_string(m_version) + " cannot hold the movie (needs "
                         + std::to_string(m_minimumVersion) + ")");
    if (compression == Compression::Zlib && m_version < 6)
        throw WriteError("compressed files need SWF 6 or later");

    std::uint16_t frames = 0;
    const Bytes tags = closedTags(frames);

    TagWriter prelude;
    if (m_version >= 8) {
        // AS1/2, no network access: a local file may load local files.
        const std::uint8_t flags[4] = {0, 0, 0, 0};
        prelude.write(tag::FileAttributes, flags);
    }
    const std::uint8_t background[3] = {m_background.r, m_background.g, m_background.b};
    prelude.write(tag::SetBackgroundColor, background);

    BitWriter rest; // everything after the 8-byte file header
    writeRect(rest, m_stage);
    rest.u16(m_frameRate);
    rest.u16(frames);
    rest.append(prelude.bytes());
    rest.append(tags);
    const Bytes body = rest.take();

    const std::uint64_t fileLength = 8 + body.size();
    if (fileLength > 0xFFFFFFFFu)
        throw WriteError("movie larger than 4 GiB");
    BitWriter file;
    file.u8(compression == Compression::Zlib ? 'C' : 'F');
    file.u8('W');
    file.u8('S');
    file.u8(m_version);
    file.u32(static_cast<std::uint32_t>(fileLength)); // uncompressed length, header included
    file.append(compression == Compression::Zlib ? zlibCompress(body) : body);
    return file.take();
}

} // namespace velumo::swf::writer
