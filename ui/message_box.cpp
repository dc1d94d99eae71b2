#include "ui/message_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

MessageBox::MessageBox(const SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form8"_s, u"提示信息"_s, skin, parent)
{
    setClientSize(kWidth, kHeight);

    m_message = skinnedMessageLabel(body(), 14);

    m_ok = new QPushButton(u"确定"_s, body());
    m_ok->setObjectName(u"Button_queding"_s);
    m_ok->setStyleSheet(skinnedButtonStyle());
    m_ok->setFixedSize(90, 28);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 14, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
}

void MessageBox::setMessage(const QString &text)
{
    m_message->setText(text);
}

QString MessageBox::message() const
{
    return m_message->text();
}

void MessageBox::showMessage(const QString &text)
{
    setMessage(text);
    centreOnScreen();
    exec();
}

} // namespace velumo::ui
