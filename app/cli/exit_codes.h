#pragma once

namespace velumo::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitAlbumFailed = 1;    // no album (or no lyric listing) was made
inline constexpr int kExitBadCommandLine = 2; // nothing was tried

} // namespace velumo::cli
