#pragma once

#include "app/workspace/program_folder.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace velumo {
struct ProjectModel;
class MediaPlayer;
class RandomSource;
}

namespace velumo::cli {

enum class MediaFileKind { Photo, Song, Lyric };

// The kind a file is added as, told by its extension; nothing for other files.
std::optional<MediaFileKind> mediaFileKind(const QString &path);

// Adds the files in the order given, as the windows' add commands do: every run of files of
// one kind is one import batch (photos drawn and fitted together, songs and lyrics paired by
// position with the free rows of the other table), followed by what the window changes after
// that import. Each file that cannot be used is named through `skipped` and left out. Throws
// velumo::Failure when an import fails as a whole.
void addMediaFiles(const ProgramFolder &program, ProjectModel &model, RandomSource &random, MediaPlayer &player,
                   const QStringList &files, const std::function<void(const QString &message)> &skipped);

} // namespace velumo::cli
