#pragma once

// Small valid movies that together use every tag and record the reader knows: the fuzz seed
// corpus is written from these, and the reader's tests check that each one still reads.

#include "tests/swf_reader/swf_fixture.h"

#include <string>
#include <utility>
#include <vector>

namespace velumo::swf::test {

struct SeedMovie
{
    std::string name; // file name in the corpus
    Bytes bytes;
};

std::vector<SeedMovie> seedMovies();

// Encodes `size` pixels of `argb` with Qt's writer for `format` ("JPG", "PNG").
Bytes encodedImage(int width, int height, unsigned argb, const char *format);

} // namespace velumo::swf::test
