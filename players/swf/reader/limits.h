#pragma once

// Bounds on what a movie may make the reader allocate. Movies come from outside; these keep a
// hostile or broken file from exhausting memory while leaving room for any real template.

#include <cstddef>
#include <cstdint>

namespace velumo::swf::limits {

inline constexpr std::size_t kMaxFileBytes = 64u << 20;     // as stored and once inflated
inline constexpr std::uint16_t kMaxFrameCount = 16000;     // per timeline, header or ShowFrames
inline constexpr std::size_t kMaxFramesInMovie = 1u << 18; // all timelines together, padding included
inline constexpr std::size_t kMaxCommandsInMovie = 1u << 21;
inline constexpr std::size_t kMaxPointsPerShape = 1'000'000;
inline constexpr std::size_t kMaxPointsInMovie = 16'000'000;
inline constexpr std::size_t kMaxBitmapPixels = 16u << 20;
inline constexpr std::size_t kMaxPixelsInMovie = 64u << 20;

} // namespace velumo::swf::limits

namespace velumo::swf {

// What the movie read so far has used of the movie-wide limits.
struct Budget
{
    std::size_t points = 0;
    std::size_t pixels = 0;
    std::size_t frames = 0;
    std::size_t commands = 0;
};

} // namespace velumo::swf
