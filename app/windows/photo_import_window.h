#pragma once

#include "app/workspace/program_folder.h"
#include "media/photo_import.h"
#include "ui/skinned_dialog.h"

#include <QStringList>

#include <optional>

class QLabel;
class QProgressBar;
class QTimer;

namespace velumo {

struct ProjectModel;
class RandomSource;

// The modal import window MainForm: shows a progress bar while one batch of photos is added,
// then closes itself. The import starts from the message loop once the window is up.
class PhotoImportWindow : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    PhotoImportWindow(const ui::SkinPictures &skin, const ProgramFolder &program, ProjectModel &model,
                      RandomSource &random, QWidget *parent = nullptr);

    // Resets the progress bar and arms the start timer for `files`; exec() then runs the batch.
    void prepare(const QStringList &files);

    QProgressBar *progressBar() const { return m_progress; }
    // What the last batch did; nothing when it failed as a whole.
    const std::optional<PhotoImportReport> &report() const { return m_report; }
    // Why the last batch failed as a whole; empty when it did not.
    const QString &failure() const { return m_failure; }

protected:
    // The batch cannot be abandoned half way; the window closes itself when it is done.
    void closeLabelClicked() override;
    void reject() override;

private:
    void runBatch();
    void finishProgress();

    ProgramFolder m_program;
    ProjectModel &m_model;
    RandomSource &m_random;
    QLabel *m_message = nullptr;
    QProgressBar *m_progress = nullptr;
    QTimer *m_start = nullptr;
    QStringList m_files;
    bool m_running = false;
    std::optional<PhotoImportReport> m_report;
    QString m_failure;
};

} // namespace velumo
