#pragma once

#include "ui/skinned_dialog.h"

class QPushButton;
class QRadioButton;

namespace velumo {

struct Form49State;

// The lyric type window Form49 "歌词类型选择", asked just before rendering an album that has
// both LRC lyrics and karaoke scripts to draw. It opens on "两种歌词都使用"; each choice sets
// Edit1_shiyong_lrc_or_ksc at once and "确定" goes on.
class LyricTypeDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    LyricTypeDialog(Form49State &state, const ui::SkinPictures &skin, QWidget *parent = nullptr);

    QPushButton *okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    Form49State &m_state;
    QRadioButton *m_both = nullptr;
    QPushButton *m_ok;
};

} // namespace velumo
