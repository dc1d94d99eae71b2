#pragma once

#include "app/workspace/program_folder.h"
#include "players/template_player.h"
#include "render/album_request.h"
#include "ui/skinned_dialog.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace velumo {

struct ProjectModel;
class AlbumSession;
class MclLibrary;

// The render window frmMain: shows the album's progress while the album is made and closes
// itself when it is done. Its face is two progress bars, the album's name, "打开位置" and
// "停止制作"; the conversion log lies outside the visible face.
class RenderWindow : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxLogLines = 32000;

    RenderWindow(const ui::SkinPictures &skin, const ProgramFolder &program, ProjectModel &model,
                 TemplatePlayerFactory playerFactory, QWidget *parent = nullptr);
    ~RenderWindow() override;

    // Arms the start timer for `request`; exec() then makes the album.
    void prepare(const AlbumRequest &request);

    const QStringList &conversionLog() const { return m_log; }
    // Why the last album failed as a whole; empty when it did not.
    const QString &failure() const { return m_failure; }
    QProgressBar *overallProgress() const { return m_overall; }
    // Opens a folder in the file manager; replaced by tests.
    void setFolderOpener(std::function<void(const QString &folder)> open) { m_openFolder = std::move(open); }
    void setMclLibrary(std::unique_ptr<MclLibrary> library);

signals:
    // A template movie is not one of ours: the program must end.
    void foreignTemplate();

protected:
    // The window closes through the finish alone.
    void closeLabelClicked() override {}
    void reject() override {}

private:
    void buildFace();
    void renderStart();
    void finish();
    void appendLog(const QString &line);
    QString outputFolder() const;

    ProgramFolder m_program;
    ProjectModel &m_model;
    TemplatePlayerFactory m_playerFactory;
    std::unique_ptr<MclLibrary> m_library;
    std::unique_ptr<AlbumSession> m_session;
    std::optional<AlbumRequest> m_request;
    QProgressBar *m_overall = nullptr; // ProgressBar1
    QProgressBar *m_phase = nullptr;   // ProgressBar2
    QCheckBox *m_openFolderWhenDone = nullptr;
    QLineEdit *m_shownName = nullptr;
    QPushButton *m_openLocation = nullptr;
    QPushButton *m_stop = nullptr;
    QTimer *m_start = nullptr;  // Timer1
    QTimer *m_finish = nullptr; // Timer2
    QStringList m_log;
    QString m_failure;
    bool m_finished = false;
    std::function<void(const QString &)> m_openFolder;
};

} // namespace velumo
