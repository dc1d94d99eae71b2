#include "app/windows/exit_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ExitDialog::ExitDialog(const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form25"_s, u"退出本软件"_s, skin, parent)
{
    setClientSize(696, 240);

    m_message = ui::skinnedMessageLabel(body(), 16);

    auto *ok = new QPushButton(u"确定"_s, body());
    ok->setObjectName(u"Button_queding"_s);
    auto *cancel = new QPushButton(u"取消"_s, body());
    cancel->setObjectName(u"Button_quxiao"_s);
    for (QPushButton *button : {ok, cancel}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(100, 30);
    }
    cancel->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit confirmed();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addSpacing(40);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 20, 24, 24);
    layout->addWidget(m_message, 1);
    layout->addLayout(buttons);
}

void ExitDialog::setMessage(const QString &text)
{
    m_message->setText(text);
}

QString ExitDialog::message() const
{
    return m_message->text();
}

} // namespace velumo
