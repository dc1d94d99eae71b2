#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace velumo {

class ProgramFolder;

// Asks for the files of an import. `filter` is a Qt name filter, `preset` a file to preselect
// (empty for none). Returns nothing when the user cancels.
using ChooseMediaFiles = std::function<QStringList(const QString &filter, const QString &preset)>;

// The file dialog, multiple selection allowed.
ChooseMediaFiles fileDialogChooser(QWidget *parent);

// The sample file under "yinyuegeci\" preselected in the dialog, when it is installed.
QString sampleMediaFile(const ProgramFolder &program, const QString &fileName);

} // namespace velumo
