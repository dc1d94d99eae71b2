#pragma once

#include "ui/skinned_dialog.h"

class QLabel;
class QPushButton;

namespace velumo::ui {

// The general message box: caption "提示信息", one centred message and "确定".
class MessageBox : public SkinnedDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 584;
    static constexpr int kHeight = 204;

    explicit MessageBox(const SkinPictures &skin, QWidget *parent = nullptr);

    void setMessage(const QString &text);
    QString message() const;

    // Sets the text, centres the box on the screen and shows it modally until closed.
    void showMessage(const QString &text);

private:
    QLabel *m_message;
    QPushButton *m_ok;
};

} // namespace velumo::ui
