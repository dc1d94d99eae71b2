#pragma once

#include "ui/skinned_dialog.h"

class QLabel;
class QPushButton;

namespace velumo {

// A question with two answers: the delete confirmations Form12 and Form13 ("确定删除" /
// "取消") and the binding confirmation Form14 ("确定" / "取消", its caption set per question).
// exec() returns Accepted for the first answer; the close mark counts as "取消".
class ConfirmDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    ConfirmDialog(const QString &objectName, const QString &caption, const QString &confirmText,
                  const ui::SkinPictures &skin, QWidget *parent = nullptr);

    void setMessage(const QString &text);
    QString message() const;

    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QLabel *m_message;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
};

} // namespace velumo
