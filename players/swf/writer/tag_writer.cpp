#include "players/swf/writer/tag_writer.h"

#include <string>

namespace velumo::swf::writer {

bool alwaysLongHeader(TagCode code)
{
    switch (code) {
    case tag::DefineBitsLossless:
    case tag::DefineBitsJpeg2:
    case tag::DefineBitsJpeg3:
    case tag::DefineBitsLossless2:
        return true;
    default:
        return false;
    }
}

void TagWriter::write(TagCode code, std::span<const std::uint8_t> body)
{
    const auto raw = code;
    if (body.size() > 0xFFFFFFFFu)
        throw WriteError("tag " + std::to_string(raw) + " is longer than 4 GiB");
    BitWriter header;
    if (body.size() < 0x3F && !alwaysLongHeader(code)) {
        header.u16(static_cast<std::uint16_t>(raw << 6 | body.size()));
    } else {
        header.u16(static_cast<std::uint16_t>(raw << 6 | 0x3F));
        header.u32(static_cast<std::uint32_t>(body.size()));
    }
    const Bytes head = header.take();
    m_bytes.insert(m_bytes.end(), head.begin(), head.end());
    m_bytes.insert(m_bytes.end(), body.begin(), body.end());
}

} // namespace velumo::swf::writer
