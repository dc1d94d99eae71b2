#pragma once

#include "render/output/output_size_selection.h"
#include "ui/skinned_dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace velumo {

struct ProjectModel;

// The output size window Form39 "输出相册尺寸": the size of the album and, for a picture
// sequence, the picture format. Every choice is written to Form39's Edit_chicun_width and
// Edit_chicun_height at once. "开始制作" goes on with the album; the close mark (or Escape)
// sets Edit_quxiao to "quxiao", which ends the command.
class OutputSizeDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    OutputSizeDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent = nullptr);

    // Starts a command of this kind: its sizes at 1280 × 720, the format at "JPG", the window
    // as wide as the kind needs.
    void prepare(OutputKind kind);
    const OutputSizeSelection &selection() const { return m_selection; }

    QComboBox *sizeBox() const { return m_sizes; }
    QComboBox *formatBox() const { return m_formats; }
    QLineEdit *shownSize() const { return m_shownSize; }
    QLineEdit *shownKind() const { return m_shownKind; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *defaultButton() const { return m_default; }

public slots:
    void reject() override;

private:
    // The size drop-down holds the kind's choices; the window is as wide as the kind needs.
    void fillChoices();
    // The controls brought in line with the selection.
    void showSelection();
    // The controls and Form39's values brought in line with the selection.
    void applySelection();

    ProjectModel &m_model;
    OutputSizeSelection m_selection;
    QComboBox *m_sizes;
    QComboBox *m_formats;
    QLineEdit *m_shownSize;
    QLineEdit *m_shownKind;
    QPushButton *m_start;
    QPushButton *m_default;
};

} // namespace velumo
