#pragma once

#include <QString>

#include <stdexcept>

namespace velumo::author {

class InstallError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Where the library lives, relative to the program folder.
inline constexpr char kParameterFolder[] = "smxcwjj/wj_0_or_2/wjj_02";
inline constexpr char kMovieFolder[] = "smxcwjj/wj_0_or_2/wjj_01";
inline constexpr char kClosingPackage[] = "smxcwjj/wj_0_or_1/wj_1.rar";
inline constexpr char kProbeMovie[] = "cj/cj.swf";

// Writes the whole library into `programFolder`: a parameter package and a movie package per
// template under the same name in the two library folders (emptied first, so that no template
// of an earlier build lingers), the closing template and the probe movie. Returns the number
// of photo templates. Throws InstallError when a file cannot be written.
int installLibrary(const QString &programFolder);

} // namespace velumo::author
