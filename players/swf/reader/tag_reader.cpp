#include "players/swf/reader/tag_reader.h"

#include <string>

namespace velumo::swf {

TagReader::TagReader(ByteReader &in)
    : m_in(in)
{
}

std::optional<Tag> TagReader::next()
{
    if (m_in.atEnd())
        return std::nullopt;
    const std::size_t start = m_in.offset();
    if (m_in.remaining() < 2)
        m_in.fail("tag header cut short");
    const std::uint16_t codeAndLength = m_in.u16();
    const auto code = static_cast<std::uint16_t>(codeAndLength >> 6);
    std::size_t length = codeAndLength & 0x3F;
    if (length == 0x3F) {
        if (m_in.remaining() < 4)
            m_in.fail("long tag header cut short");
        length = m_in.u32();
    }
    if (length > m_in.remaining())
        throwFormatError(tagName(code) + " declares " + std::to_string(length) + " bytes but only "
                             + std::to_string(m_in.remaining()) + " remain",
                         start);
    return Tag{code, start, m_in.sub(length)};
}

std::string tagName(std::uint16_t code)
{
    switch (code) {
    case tag::End: return "End";
    case tag::ShowFrame: return "ShowFrame";
    case tag::DefineShape: return "DefineShape";
    case tag::PlaceObject: return "PlaceObject";
    case tag::RemoveObject: return "RemoveObject";
    case tag::DefineBits: return "DefineBits";
    case tag::JpegTables: return "JPEGTables";
    case tag::SetBackgroundColor: return "SetBackgroundColor";
    case tag::DoAction: return "DoAction";
    case tag::DefineBitsLossless: return "DefineBitsLossless";
    case tag::DefineBitsJpeg2: return "DefineBitsJPEG2";
    case tag::DefineShape2: return "DefineShape2";
    case tag::PlaceObject2: return "PlaceObject2";
    case tag::RemoveObject2: return "RemoveObject2";
    case tag::DefineShape3: return "DefineShape3";
    case tag::DefineBitsJpeg3: return "DefineBitsJPEG3";
    case tag::DefineBitsLossless2: return "DefineBitsLossless2";
    case tag::DefineSprite: return "DefineSprite";
    case tag::FrameLabel: return "FrameLabel";
    case tag::PlaceObject3: return "PlaceObject3";
    case tag::DefineShape4: return "DefineShape4";
    case tag::DefineBitsJpeg4: return "DefineBitsJPEG4";
    default: return "tag " + std::to_string(code);
    }
}

} // namespace velumo::swf
