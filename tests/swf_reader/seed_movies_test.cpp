// The fuzz seeds must read: a seed that fails early only exercises error paths.
#include "players/swf/reader/movie_reader.h"
#include "tests/swf_reader/seed_movies.h"

#include <gtest/gtest.h>

namespace velumo::swf {
namespace {

TEST(SeedMovies, EachReadsWithItsDefinitionsAndFrames)
{
    for (const test::SeedMovie &seed : test::seedMovies()) {
        SCOPED_TRACE(seed.name);
        Movie movie;
        ASSERT_NO_THROW(movie = readMovie(seed.bytes));
        EXPECT_FALSE(movie.dictionary.empty());
        EXPECT_FALSE(movie.root.frames.empty());
    }
}

TEST(SeedMovies, CoverEveryCharacterKind)
{
    std::size_t shapes = 0, bitmaps = 0, sprites = 0;
    for (const test::SeedMovie &seed : test::seedMovies()) {
        for (const auto &[id, character] : readMovie(seed.bytes).dictionary) {
            shapes += std::holds_alternative<ShapeDef>(character);
            bitmaps += std::holds_alternative<BitmapDef>(character);
            sprites += std::holds_alternative<SpriteDef>(character);
        }
    }
    EXPECT_GE(shapes, 4u);
    EXPECT_EQ(bitmaps, 9u);
    EXPECT_EQ(sprites, 1u);
}

} // namespace
} // namespace velumo::swf
