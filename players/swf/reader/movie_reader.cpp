#include "players/swf/reader/movie_reader.h"

#include "players/swf/reader/jpeg_bitmap.h"
#include "players/swf/reader/limits.h"
#include "players/swf/reader/lossless_bitmap.h"
#include "players/swf/reader/movie_file.h"
#include "players/swf/reader/records.h"
#include "players/swf/reader/shape_reader.h"
#include "players/swf/reader/tag_reader.h"
#include "players/swf/reader/timeline_builder.h"

#include <string>
#include <vector>

namespace velumo::swf {

namespace {

std::uint16_t readFrameCount(ByteReader &in)
{
    const std::size_t at = in.offset();
    const std::uint16_t count = in.u16();
    if (count > limits::kMaxFrameCount)
        throwFormatError("frame count " + std::to_string(count) + " is above the limit of "
                             + std::to_string(limits::kMaxFrameCount),
                         at);
    return count;
}

// Runs `parse` on one tag; a failure inside it names the tag as well as the spot.
template<typename Parse>
void withinTag(const Tag &tag, Parse parse)
{
    try {
        parse();
    } catch (const FormatError &error) {
        throw FormatError(tagName(tag.code) + " at byte " + std::to_string(tag.offset) + ": " + error.what());
    }
}

class MovieReader
{
public:
    Movie read(std::span<const std::uint8_t> bytes)
    {
        const MovieFile file(bytes);
        ByteReader in(file.body(), MovieFile::kHeaderBytes);
        m_movie.version = file.version();
        m_movie.frameSize = readRect(in);
        m_movie.frameRate = in.u16() / 256.0;
        m_movie.frameCount = readFrameCount(in);

        TimelineBuilder root(m_budget);
        TagReader tags(in);
        bool ended = false;
        while (auto tag = tags.next()) {
            if (tag->code == tag::End) {
                ended = true;
                break;
            }
            withinTag(*tag, [&] {
                if (!root.add(*tag))
                    definition(*tag);
            });
        }
        if (!ended)
            in.fail("movie ends without its End tag");
        m_movie.root = root.finish(m_movie.frameCount, in.offset());
        return std::move(m_movie);
    }

private:
    void definition(Tag &tag)
    {
        switch (tag.code) {
        case tag::SetBackgroundColor:
            m_movie.background = readRgb(tag.body);
            break;
        case tag::DefineShape:
        case tag::DefineShape2:
        case tag::DefineShape3:
        case tag::DefineShape4:
            define(readShape(tag.body, tag.code, m_budget));
            break;
        case tag::JpegTables: {
            const auto tables = tag.body.rest();
            m_jpegTables.assign(tables.begin(), tables.end());
            break;
        }
        case tag::DefineBits:
        case tag::DefineBitsJpeg2:
        case tag::DefineBitsJpeg3:
        case tag::DefineBitsJpeg4:
            define(readJpegBitmap(tag.body, tag.code, m_jpegTables, m_budget));
            break;
        case tag::DefineBitsLossless:
        case tag::DefineBitsLossless2:
            define(readLosslessBitmap(tag.body, tag.code == tag::DefineBitsLossless2, m_budget));
            break;
        case tag::DefineSprite:
            define(readSprite(tag.body));
            break;
        default:
            break; // fonts, text, sounds, metadata, ...: not drawn by this player
        }
    }

    SpriteDef readSprite(ByteReader &body)
    {
        SpriteDef sprite;
        sprite.id = body.u16();
        const std::uint16_t frameCount = readFrameCount(body);
        TimelineBuilder timeline(m_budget);
        TagReader tags(body);
        while (auto tag = tags.next()) {
            if (tag->code == tag::End)
                break;
            // Sprites hold control tags only; other definitions are skipped, but a nested
            // sprite is refused outright.
            if (tag->code == tag::DefineSprite)
                throwFormatError("a sprite may not define another sprite", tag->offset);
            withinTag(*tag, [&] { timeline.add(*tag); });
        }
        sprite.timeline = timeline.finish(frameCount, body.offset());
        return sprite;
    }

    template<typename Definition>
    void define(Definition definition)
    {
        // The first definition of an id stands; later ones are ignored.
        const std::uint16_t id = definition.id;
        m_movie.dictionary.try_emplace(id, std::move(definition));
    }

    Movie m_movie;
    Budget m_budget;
    std::vector<std::uint8_t> m_jpegTables;
};

} // namespace

Movie readMovie(std::span<const std::uint8_t> bytes)
{
    return MovieReader().read(bytes);
}

} // namespace velumo::swf
