#pragma once

#include "app/workspace/program_folder.h"

#include <QStringList>

#include <functional>

namespace velumo {

struct ProjectModel;
class RandomSource;

enum class ImportStage { Measured, Assigned, InstancesReady, ThumbnailsMade, PhotosFitted, ListRebuilt };

// How an import shows its progress and keeps the windows alive.
struct ImportFeedback
{
    std::function<void(int)> setMaximum; // also returns the position to 0
    std::function<void()> advance;
    std::function<void()> keepAlive;
    std::function<void(ImportStage)> stageFinished = [](ImportStage) {}; // for timing and logs
};

struct SkippedPhoto
{
    QString path;
    QString reason;
};

struct PhotoImportReport
{
    int imported = 0;
    // The files that could not be used, in the order chosen; they were not added.
    QList<SkippedPhoto> skipped;
};

// One import batch: measures and classes the chosen photos, draws their templates, prepares
// the template instances and the closing template, makes the thumbnails, fits every photo to
// its slot and rebuilds the photo list. Files that are not usable photos are skipped before
// anything is assigned and are named in the report.
//
// Throws velumo::Failure when the batch cannot be placed at all (the library lacks a kind of
// template) or a later stage fails (an unpack or file error); the album's tables, counters and
// files are then as they were before the import.
PhotoImportReport importPhotos(const ProgramFolder &program, ProjectModel &model, RandomSource &random,
                               const QStringList &files, const ImportFeedback &feedback);

// The message to show for the skipped files of an import; empty when none was skipped.
QString skippedPhotosMessage(const PhotoImportReport &report);

} // namespace velumo
