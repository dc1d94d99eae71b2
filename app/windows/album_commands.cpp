#include "app/windows/album_commands.h"

#include "app/project/project_model.h"
#include "app/windows/album_length_dialog.h"
#include "app/windows/lyric_type_dialog.h"
#include "app/windows/other_settings_dialog.h"
#include "app/windows/output_size_dialog.h"
#include "render/output/album_length.h"
#include "render/output/album_preconditions.h"
#include "render/output/output_kind.h"
#include "ui/message_box.h"
#include "ui/reported_command.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

AlbumFileChooser albumFileDialog()
{
    // The videos folder where there is one, else home: never the program's own folder.
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    auto lastFolder = std::make_shared<QString>(QFileInfo(videos).isDir() ? videos : QDir::homePath());
    return [lastFolder](QWidget *parent, const SaveFilter &filter) {
        QFileDialog dialog(parent, u"保存相册"_s, *lastFolder, filter.dialogFilter());
        dialog.setObjectName(u"SaveDialog_vcdsvcddvdavi"_s);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The extension is appended to the chosen name, so the name itself is never overwritten:
        // asking about it would ask about the wrong file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(QString());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog.selectedFiles().first();
        *lastFolder = QFileInfo(chosen).absolutePath();
        return chosen;
    };
}

AlbumCommands::AlbumCommands(ProjectModel &model, const AlbumWindows &windows, AlbumFileChooser chooseFile,
                             QWidget *dialogParent)
    : m_model(model)
    , m_windows(windows)
    , m_chooseFile(std::move(chooseFile))
    , m_dialogParent(dialogParent)
{
}

void AlbumCommands::showAlbumLength()
{
    prepareAlbumLength(m_model);
    m_windows.Form2.centreOnScreen();
    m_windows.Form2.exec();
}

void AlbumCommands::showOtherSettings()
{
    m_windows.Form17.centreOnScreen();
    m_windows.Form17.exec();
}

void AlbumCommands::makeAlbum(OutputKind kind)
{
    ui::runReported(m_windows.Form8, [this, kind] { runMakeAlbum(kind); });
}

void AlbumCommands::runMakeAlbum(OutputKind kind)
{
    requirePhotos(m_model.form1);

    OutputSizeDialog &sizeWindow = m_windows.Form39;
    sizeWindow.prepare(kind);
    m_model.form39.Edit_quxiao.setText(QString());
    sizeWindow.centreOnScreen();
    sizeWindow.exec();
    if (m_model.form39.Edit_quxiao.text() == u"quxiao"_s)
        return;
    const OutputSizeSelection selection = sizeWindow.selection();

    const QString name = m_chooseFile(m_dialogParent, saveFilter(kind, selection.pictureFormat()));
    if (name.isEmpty())
        return;
    if (kind == OutputKind::PictureSequence)
        createPictureFolder(name);

    // The kind is written only now, so a command that stopped earlier left it as it was.
    m_model.form1.Edit_VCDSVCDDVD_leixing.setText(outputKindToken(kind));
    const AlbumRequest request = albumRequest(selection, name);

    if (asksLyricType(m_model.form1)) {
        m_windows.Form49.centreOnScreen();
        m_windows.Form49.exec();
    }
    if (m_startRender)
        m_startRender(request);
}

} // namespace velumo
