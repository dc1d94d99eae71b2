#pragma once

#include "ui/skinned_dialog.h"

class QRadioButton;

namespace velumo {

struct ProjectModel;

// The other-settings window Form17 "其它设置": TV standard, picture quality and how photos
// are cropped into slots without a fixed size. Every choice takes effect at once; the window
// is closed by its close mark.
class OtherSettingsDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    OtherSettingsDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent = nullptr);

protected:
    // The options show the tokens and crop modes as they are now.
    void showEvent(QShowEvent *event) override;

private:
    ProjectModel &m_model;
    QRadioButton *m_pal;
    QRadioButton *m_ntsc;
    QRadioButton *m_normal;
    QRadioButton *m_high;
    QRadioButton *m_landscapeFull;
    QRadioButton *m_landscapeDefault;
    QRadioButton *m_portraitEnlarge;
    QRadioButton *m_portraitDefault;
};

} // namespace velumo
