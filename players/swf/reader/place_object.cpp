#include "players/swf/reader/place_object.h"

#include "players/swf/reader/records.h"
#include "players/swf/reader/tag_reader.h"

namespace velumo::swf {

namespace {

enum PlaceFlag : std::uint16_t {
    Move = 0x01,
    HasCharacter = 0x02,
    HasMatrix = 0x04,
    HasColorTransform = 0x08,
    HasRatio = 0x10,
    HasName = 0x20,
    HasClipDepth = 0x40,
    // PlaceObject3's second flag byte
    HasFilterList = 0x100,
    HasBlendMode = 0x200,
    HasCacheAsBitmap = 0x400,
    HasClassName = 0x800,
    HasVisible = 0x2000,
};

// Bytes of one filter of a PlaceObject3 filter list, after its id.
std::size_t filterBytes(std::uint8_t id, ByteReader &in)
{
    switch (id) {
    case 0: return 23; // drop shadow
    case 1: return 9;  // blur
    case 2: return 15; // glow
    case 3: return 27; // bevel
    case 4:            // gradient glow
    case 7: {          // gradient bevel
        const std::size_t colours = in.u8();
        return colours * 5 + 19;
    }
    case 5: { // convolution
        const std::size_t x = in.u8();
        const std::size_t y = in.u8();
        return 4 + 4 + x * y * 4 + 4 + 1;
    }
    case 6: return 80; // colour matrix
    default: in.fail("unknown filter " + std::to_string(id));
    }
}

// Visibility sits behind the filters, blend mode and cache flag, which are of no use here. The
// tag length bounds all of it, so a tail that does not parse only loses the visibility.
std::optional<bool> readVisibility(ByteReader &tail, std::uint16_t flags)
{
    if (!(flags & HasVisible))
        return std::nullopt;
    try {
        if (flags & HasFilterList) {
            const int count = tail.u8();
            for (int i = 0; i < count; ++i)
                tail.skip(filterBytes(tail.u8(), tail));
        }
        if (flags & HasBlendMode)
            tail.u8();
        if (flags & HasCacheAsBitmap)
            tail.u8();
        return tail.u8() != 0;
    } catch (const FormatError &) {
        return std::nullopt;
    }
}

} // namespace

PlaceCommand readPlaceObject(ByteReader &body, std::uint16_t tagCode)
{
    PlaceCommand place;
    if (tagCode == tag::PlaceObject) {
        place.characterId = body.u16();
        place.depth = body.u16();
        place.matrix = readMatrix(body);
        if (!body.atEnd())
            place.colorTransform = readColorTransform(body, false);
        return place;
    }

    const std::uint16_t flags = tagCode == tag::PlaceObject3 ? body.u16() : body.u8();
    place.depth = body.u16();
    place.move = (flags & Move) != 0;
    if (tagCode == tag::PlaceObject3 && (flags & HasClassName))
        body.string(); // AS3 class: nothing to do with it here
    if (flags & HasCharacter)
        place.characterId = body.u16();
    if (flags & HasMatrix)
        place.matrix = readMatrix(body);
    if (flags & HasColorTransform)
        place.colorTransform = readColorTransform(body, true);
    if (flags & HasRatio)
        place.ratio = body.u16();
    if (flags & HasName)
        place.name = body.string();
    if (flags & HasClipDepth)
        place.clipDepth = body.u16();
    if (tagCode == tag::PlaceObject3)
        place.visible = readVisibility(body, flags);
    // Clip actions (event handlers) are not run by this player.
    return place;
}

RemoveCommand readRemoveObject(ByteReader &body, std::uint16_t tagCode)
{
    if (tagCode == tag::RemoveObject)
        body.u16(); // character id: the depth alone says what goes
    return RemoveCommand{body.u16()};
}

} // namespace velumo::swf
