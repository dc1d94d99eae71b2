#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace velumo {

struct ProjectModel;
class PhotoImportWindow;
namespace ui {
class MessageBox;
}

// Asks which photo files to add; an empty list means the user cancelled.
using PhotoFileChooser = std::function<QStringList(QWidget *parent)>;

// The file dialog OpenDialog_daorujpg: several JPG files, starting where the last ones came from.
PhotoFileChooser photoFileDialog();

// The photo commands of the main window.
class PhotoCommands : public QObject
{
    Q_OBJECT

public:
    PhotoCommands(ProjectModel &model, PhotoImportWindow &importWindow, ui::MessageBox &messages,
                  PhotoFileChooser chooseFiles, QWidget *dialogParent);

    // Add photos (the hidden Button3 of the main window): choose files, run the import window,
    // then show the photo panel in icon mode and report skipped files or a failed batch.
    void addPhotos();

signals:
    // The photo table has rows after an import: the photo panel rebuilds and comes to the front.
    void photosChanged();

private:
    ProjectModel &m_model;
    PhotoImportWindow &m_importWindow;
    ui::MessageBox &m_messages;
    PhotoFileChooser m_chooseFiles;
    QWidget *m_dialogParent;
};

} // namespace velumo
