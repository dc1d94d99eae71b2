#include "app/windows/photo_commands.h"

#include "app/project/project_model.h"
#include "app/windows/photo_import_window.h"
#include "ui/message_box.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

PhotoFileChooser photoFileDialog()
{
    // The pictures folder where there is one; otherwise the dialog's own last folder.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    auto lastFolder = std::make_shared<QString>(QFileInfo(pictures).isDir() ? pictures : QString());
    return [lastFolder](QWidget *parent) {
        QFileDialog dialog(parent, u"添加相片"_s, *lastFolder, u"添加相片文件(JPG) (*.jpg *.JPG *.jpeg *.JPEG)"_s);
        dialog.setObjectName(u"OpenDialog_daorujpg"_s);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.selectFile(QString());
        if (dialog.exec() != QDialog::Accepted)
            return QStringList();
        const QStringList files = dialog.selectedFiles();
        if (!files.isEmpty())
            *lastFolder = QFileInfo(files.first()).absolutePath();
        return files;
    };
}

PhotoCommands::PhotoCommands(ProjectModel &model, PhotoImportWindow &importWindow, ui::MessageBox &messages,
                             PhotoFileChooser chooseFiles, QWidget *dialogParent)
    : m_model(model)
    , m_importWindow(importWindow)
    , m_messages(messages)
    , m_chooseFiles(std::move(chooseFiles))
    , m_dialogParent(dialogParent)
{
}

void PhotoCommands::addPhotos()
{
    const QStringList files = m_chooseFiles(m_dialogParent);
    if (files.isEmpty())
        return;
    m_importWindow.prepare(files);
    m_importWindow.centreOnScreen();
    m_importWindow.exec();

    m_model.form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    if (m_model.form1.ListView_daoruxiangpian.rowCount() > 0)
        emit photosChanged();
    if (!m_importWindow.failure().isEmpty())
        m_messages.showMessage(m_importWindow.failure());
    else if (m_importWindow.report())
        if (const QString skipped = skippedPhotosMessage(*m_importWindow.report()); !skipped.isEmpty())
            m_messages.showMessage(skipped);
}

} // namespace velumo
