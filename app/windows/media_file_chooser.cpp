#include "app/windows/media_file_chooser.h"

#include "app/workspace/program_folder.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ChooseMediaFiles fileDialogChooser(QWidget *parent)
{
    QPointer<QWidget> owner(parent);
    return [owner](const QString &filter, const QString &preset) {
        QFileDialog dialog(owner, QString(), preset.isEmpty() ? QString() : QFileInfo(preset).path(), filter);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        if (!preset.isEmpty())
            dialog.selectFile(preset);
        if (dialog.exec() != QDialog::Accepted)
            return QStringList();
        return dialog.selectedFiles();
    };
}

QString sampleMediaFile(const ProgramFolder &program, const QString &fileName)
{
    const QString path = program.resolve(u"yinyuegeci\\"_s + fileName);
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace velumo
