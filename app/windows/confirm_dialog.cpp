#include "app/windows/confirm_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ConfirmDialog::ConfirmDialog(const QString &objectName, const QString &caption, const QString &confirmText,
                             const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(objectName, caption, skin, parent)
{
    setClientSize(584, 204);

    m_message = ui::skinnedMessageLabel(body(), 14);
    m_confirm = new QPushButton(confirmText, body());
    m_confirm->setObjectName(u"Button_queding"_s);
    m_cancel = new QPushButton(u"取消"_s, body());
    m_cancel->setObjectName(u"Button_quxiao"_s);
    for (QPushButton *button : {m_confirm, m_cancel}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(100, 28);
    }
    m_cancel->setDefault(true);
    connect(m_confirm, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_confirm);
    buttons->addSpacing(40);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 14, 24, 16);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

void ConfirmDialog::setMessage(const QString &text)
{
    m_message->setText(text);
}

QString ConfirmDialog::message() const
{
    return m_message->text();
}

} // namespace velumo
