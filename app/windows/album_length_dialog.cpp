#include "app/windows/album_length_dialog.h"

#include "app/project/project_model.h"
#include "render/output/album_length.h"
#include "ui/settings_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

AlbumLengthDialog::AlbumLengthDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form2"_s, u"相册时长"_s, skin, parent)
    , m_model(model)
{
    setClientSize(440, 180);
    ui::applySettingsLook(body());

    m_photos = new QRadioButton(u"以相片时间长度为准"_s);
    m_photos->setObjectName(u"suiRadioButton1"_s);
    m_music = new QRadioButton(u"以音乐时间长度为准"_s);
    m_music->setObjectName(u"suiRadioButton2"_s);
    m_loopMusic = new QCheckBox(u"以音乐循环播放补充帧频"_s);
    m_loopMusic->setObjectName(u"suiCheckBox1"_s);
    m_loopPictures = new QCheckBox(u"以画面循环播放补充帧频"_s);
    m_loopPictures->setObjectName(u"suiCheckBox2"_s);

    auto *modes = new QGroupBox(body());
    auto *modeLayout = new QVBoxLayout(modes);
    modeLayout->setSpacing(12);
    modeLayout->addWidget(m_photos);
    modeLayout->addWidget(m_music);
    auto *fills = new QGroupBox(body());
    auto *fillLayout = new QVBoxLayout(fills);
    fillLayout->setSpacing(12);
    fillLayout->addWidget(m_loopMusic);
    fillLayout->addWidget(m_loopPictures);
    for (QWidget *option : std::initializer_list<QWidget *>{m_photos, m_music, m_loopMusic, m_loopPictures})
        option->setCursor(Qt::PointingHandCursor);

    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(modes, 1);
    row->addWidget(fills, 1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 16, 24, 18);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);

    connect(m_photos, &QRadioButton::clicked, this, [this] {
        chooseAlbumLength(m_model, AlbumLengthMode::Photos);
        showFlags();
    });
    connect(m_music, &QRadioButton::clicked, this, [this] {
        chooseAlbumLength(m_model, AlbumLengthMode::Music);
        showFlags();
    });
    connect(m_loopMusic, &QCheckBox::clicked, this, [this](bool on) { m_model.form2.CheckBox1 = on; });
    connect(m_loopPictures, &QCheckBox::clicked, this, [this](bool on) { m_model.form2.CheckBox2 = on; });
}

void AlbumLengthDialog::showFlags()
{
    const Form2State &flags = m_model.form2;
    (flags.RadioButton1 ? m_photos : m_music)->setChecked(true);
    m_loopMusic->setChecked(flags.CheckBox1);
    m_loopPictures->setChecked(flags.CheckBox2);
}

void AlbumLengthDialog::showEvent(QShowEvent *event)
{
    showFlags();
    SkinnedDialog::showEvent(event);
}

} // namespace velumo
