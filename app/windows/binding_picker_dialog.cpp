#include "app/windows/binding_picker_dialog.h"

#include "app/tables/string_table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QTreeWidget *picker(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    list->setStyleSheet(u"QTreeWidget { background: rgb(24, 19, 14); color: rgb(242, 232, 212);"
                        " border: 1px solid rgb(176, 136, 72); font-family: \"宋体\"; font-size: 12px; }"
                        "QTreeWidget::item:selected { background: rgb(136, 0, 68); color: white; }"
                        "QHeaderView::section { background: rgb(72, 55, 37); color: white;"
                        " border: 0; padding: 3px; font-family: \"宋体\"; font-size: 12px; }"_s);
    return list;
}

void fill(QTreeWidget *list, const StringTable &table)
{
    list->clear();
    for (int r = 0; r < table.rowCount(); ++r)
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{table.caption(r), table.cell(r, 1), table.cell(r, 2)}));
}

} // namespace

BindingPickerDialog::BindingPickerDialog(const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form15"_s, u"绑定"_s, skin, parent)
{
    setClientSize(560, 400);

    QLabel *prompt = ui::skinnedMessageLabel(body(), 14);
    prompt->setObjectName(u"Label_tishi"_s);
    prompt->setText(u"从下面列表中选择一个文件绑定"_s);
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_lyrics = picker(body(), u"ListView_geci"_s, {u"序号"_s, u"歌词文件名"_s, u"歌词类型"_s});
    m_songs = picker(body(), u"ListView_yinyue"_s, {u"序号"_s, u"音乐文件名"_s, u"音乐类型"_s});

    auto *ok = new QPushButton(u"确定"_s, body());
    ok->setObjectName(u"Button_queding"_s);
    auto *cancel = new QPushButton(u"取消"_s, body());
    cancel->setObjectName(u"Button_quxiao"_s);
    for (QPushButton *button : {ok, cancel}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(100, 28);
    }
    connect(ok, &QPushButton::clicked, this, &BindingPickerDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addSpacing(40);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(20, 10, 20, 16);
    layout->setSpacing(8);
    layout->addWidget(prompt);
    layout->addWidget(m_lyrics, 1);
    layout->addWidget(m_songs, 1);
    layout->addLayout(buttons);
}

void BindingPickerDialog::showLyricPicker(const StringTable &lyrics)
{
    fill(m_lyrics, lyrics);
    m_lyrics->setVisible(true);
    m_songs->setVisible(false);
}

void BindingPickerDialog::showSongPicker(const StringTable &songs)
{
    fill(m_songs, songs);
    m_songs->setVisible(true);
    m_lyrics->setVisible(false);
}

int BindingPickerDialog::execPicking(const ConfirmHandler &handler)
{
    m_handler = handler;
    centreOnScreen();
    const int result = QDialog::exec();
    m_handler = nullptr;
    return result;
}

void BindingPickerDialog::confirm()
{
    QTreeWidget *list = m_lyrics->isVisibleTo(this) ? m_lyrics : m_songs;
    std::optional<int> row;
    if (QTreeWidgetItem *item = list->currentItem(); item && item->isSelected())
        row = list->indexOfTopLevelItem(item);
    if (!m_handler || m_handler(row))
        accept();
}

} // namespace velumo
