#include "app/windows/lyric_type_dialog.h"

#include "render/output/setting_tokens.h"
#include "ui/settings_controls.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

LyricTypeDialog::LyricTypeDialog(Form49State &state, const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form49"_s, u"歌词类型选择"_s, skin, parent)
    , m_state(state)
{
    setClientSize(620, 220);
    ui::applySettingsLook(body());

    auto *note = new QLabel(u"说明：检测到已经添加了 LRC 歌词文件和卡拉OK歌词文件，选择后，点[确定]按钮开始制作"_s, body());
    note->setWordWrap(true);

    const struct
    {
        LyricType type;
        QString name;
        QString text;
    } choices[] = {
        {LyricType::Lrc, u"suiRadioButton1"_s, u"使用LRC歌词"_s},
        {LyricType::Karaoke, u"suiRadioButton2"_s, u"使用卡拉OK歌词"_s},
        {LyricType::Both, u"suiRadioButton3"_s, u"两种歌词都使用"_s},
    };
    auto *group = new QButtonGroup(this);
    auto *options = new QHBoxLayout;
    options->setSpacing(28);
    options->addStretch(1);
    for (const auto &choice : choices) {
        auto *option = new QRadioButton(choice.text, body());
        option->setObjectName(choice.name);
        option->setCursor(Qt::PointingHandCursor);
        group->addButton(option);
        options->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, type = choice.type] { setLyricType(m_state, type); });
        if (choice.type == LyricType::Both)
            m_both = option;
    }
    options->addStretch(1);

    m_ok = new QPushButton(u"确定"_s, body());
    m_ok->setObjectName(u"suiButton1"_s);
    m_ok->setStyleSheet(ui::skinnedButtonStyle());
    m_ok->setFixedSize(100, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(30, 20, 30, 18);
    layout->addWidget(note);
    layout->addSpacing(18);
    layout->addLayout(options);
    layout->addStretch(1);
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
}

void LyricTypeDialog::showEvent(QShowEvent *event)
{
    // Every album asks afresh, starting from both.
    m_both->setChecked(true);
    setLyricType(m_state, LyricType::Both);
    SkinnedDialog::showEvent(event);
}

} // namespace velumo
