#pragma once

#include "render/album_request.h"
#include "render/output/output_naming.h"

#include <QString>

#include <functional>

class QWidget;

namespace velumo {

struct ProjectModel;
class AlbumLengthDialog;
class LyricTypeDialog;
class OtherSettingsDialog;
class OutputSizeDialog;
namespace ui {
class MessageBox;
}

// Asks where the album goes (the save dialog SaveDialog_vcdsvcddvdavi with the kind's one
// filter); an empty text means the user cancelled.
using AlbumFileChooser = std::function<QString(QWidget *parent, const SaveFilter &filter)>;

// The save dialog, starting where the last album went.
AlbumFileChooser albumFileDialog();

// Opens the render window for a request; set by whoever owns the render window.
using StartRender = std::function<void(const AlbumRequest &)>;

struct AlbumWindows
{
    AlbumLengthDialog &Form2;
    OtherSettingsDialog &Form17;
    OutputSizeDialog &Form39;
    LyricTypeDialog &Form49;
    ui::MessageBox &Form8;
};

// The main window's commands about the album itself: its length, the other settings, and
// making it in each output kind up to the moment the render window opens.
class AlbumCommands
{
public:
    AlbumCommands(ProjectModel &model, const AlbumWindows &windows, AlbumFileChooser chooseFile,
                  QWidget *dialogParent);

    void setStartRender(StartRender startRender) { m_startRender = std::move(startRender); }
    void setFileChooser(AlbumFileChooser chooseFile) { m_chooseFile = std::move(chooseFile); }

    // 相册长度 and 其它设置: the two settings windows, modal.
    void showAlbumLength();
    void showOtherSettings();

    // VCD, SVCD, DVD, AVI: checks for photos, asks for the size and the file, asks for the
    // lyric type when songs and karaoke scripts both exist, then starts the render. Whatever
    // stops it is told in the message box; cancelling the size window or the save dialog
    // changes nothing outside the size window.
    void makeAlbum(OutputKind kind);
    // 生成序列图片: the same for a numbered picture sequence, written into a new folder. It is
    // not on the main window's layout.
    void makePictureSequence() { makeAlbum(OutputKind::PictureSequence); }

private:
    void runMakeAlbum(OutputKind kind);

    ProjectModel &m_model;
    AlbumWindows m_windows;
    AlbumFileChooser m_chooseFile;
    QWidget *m_dialogParent;
    StartRender m_startRender;
};

} // namespace velumo
