#pragma once

#include "ui/skinned_dialog.h"

class QLabel;

namespace velumo {

// Asks whether to leave the program: "确定" confirms; "取消" and the close mark change nothing.
class ExitDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    explicit ExitDialog(const ui::SkinPictures &skin, QWidget *parent = nullptr);

    void setMessage(const QString &text);
    QString message() const;

signals:
    void confirmed();

private:
    QLabel *m_message;
};

} // namespace velumo
