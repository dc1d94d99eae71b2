#pragma once

#include "ui/skinned_dialog.h"

class QCheckBox;
class QRadioButton;

namespace velumo {

struct ProjectModel;

// The duration window Form2 "相册时长": whether the album follows the photos or the music,
// and the two fill options. Every choice takes effect at once in Form2's flags, which the
// renderer reads, and in the token the summary shows.
class AlbumLengthDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    AlbumLengthDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The options shown as Form2's flags hold them.
    void showFlags();

    ProjectModel &m_model;
    QRadioButton *m_photos;
    QRadioButton *m_music;
    QCheckBox *m_loopMusic;
    QCheckBox *m_loopPictures;
};

} // namespace velumo
