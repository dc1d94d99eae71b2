#include "app/windows/output_size_dialog.h"

#include "app/project/project_model.h"
#include "ui/settings_controls.h"
#include "ui/skinned_combo_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

OutputSizeDialog::OutputSizeDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form39"_s, u"输出相册尺寸"_s, skin, parent)
    , m_model(model)
{
    ui::applySettingsLook(body());

    m_sizes = new ui::SkinnedComboBox(body());
    m_sizes->setObjectName(u"suiComboBox_xuanze_shuchu_chicun"_s);
    m_sizes->setMinimumWidth(220);
    m_formats = new ui::SkinnedComboBox(body());
    m_formats->setObjectName(u"suiComboBox_xulietupian_geshi"_s);
    m_formats->addItems(pictureFormats());
    m_formats->setFixedWidth(80);
    m_shownSize = new QLineEdit(body());
    m_shownSize->setObjectName(u"suiEdit_shuchu_chicun"_s);
    m_shownKind = new QLineEdit(body());
    m_shownKind->setObjectName(u"suiEdit_shuchu_leixing"_s);
    for (QLineEdit *edit : {m_shownSize, m_shownKind}) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    m_start = new QPushButton(u"开始制作"_s, body());
    m_start->setObjectName(u"suiButton1"_s);
    m_default = new QPushButton(u"默认"_s, body());
    m_default->setObjectName(u"suiButton2"_s);
    for (QPushButton *button : {m_start, m_default}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(110, 30);
    }
    m_start->setDefault(true);

    auto *sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(10);
    sizeRow->addWidget(m_sizes, 1);
    sizeRow->addWidget(m_formats);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(20);
    grid->setColumnStretch(1, 1);
    const QString captions[] = {u"选择相册输出尺寸："_s, u"当前输出相册尺寸："_s, u"输出电子相册类型："_s};
    for (int row = 0; row < 3; ++row)
        grid->addWidget(new QLabel(captions[row], body()), row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(sizeRow, 0, 1);
    grid->addWidget(m_shownSize, 1, 1);
    grid->addWidget(m_shownKind, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addSpacing(40);
    buttons->addWidget(m_default);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(60, 30, 60, 24);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_sizes, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_selection.chooseSize(index);
        applySelection();
    });
    connect(m_formats, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_selection.chooseFormat(index);
        applySelection();
    });
    connect(m_default, &QPushButton::clicked, this, [this] {
        m_selection.restoreDefault();
        applySelection();
    });
    connect(m_start, &QPushButton::clicked, this, &QDialog::accept);

    // Filled for the look only: Form39's values keep their defaults until a command starts.
    fillChoices();
    showSelection();
}

void OutputSizeDialog::prepare(OutputKind kind)
{
    m_selection = OutputSizeSelection(kind);
    fillChoices();
    applySelection();
}

void OutputSizeDialog::fillChoices()
{
    setClientSize(m_selection.windowWidth(), OutputSizeSelection::kWindowHeight);
    const QSignalBlocker blocker(m_sizes);
    m_sizes->clear();
    m_sizes->addItems(m_selection.choiceTexts());
}

void OutputSizeDialog::applySelection()
{
    showSelection();
    m_selection.writeTo(m_model.form39);
}

void OutputSizeDialog::showSelection()
{
    {
        const QSignalBlocker sizeBlocker(m_sizes);
        const QSignalBlocker formatBlocker(m_formats);
        m_sizes->setCurrentIndex(m_selection.sizeIndex());
        m_formats->setCurrentIndex(m_selection.formatIndex());
    }
    m_formats->setVisible(m_selection.offersPictureFormats());
    m_shownSize->setText(m_selection.shownSize());
    m_shownKind->setText(m_selection.shownKind());
}

void OutputSizeDialog::reject()
{
    m_model.form39.Edit_quxiao.setText(u"quxiao"_s);
    SkinnedDialog::reject();
}

} // namespace velumo
