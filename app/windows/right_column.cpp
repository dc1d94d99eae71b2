#include "app/windows/right_column.h"

#include "app/windows/button_hints.h"
#include "ui/main_skin.h"
#include "ui/skinned_panel.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

constexpr int kCountRowTop = 32;
constexpr QSize kButtonSize(90, 23);
constexpr int kButtonRowStep = 24;

QLabel *textLabel(QWidget *parent, const QString &text, const QColor &colour, int pixelSize, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    QFont font(u"宋体"_s);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

QString helpText()
{
    return u"欢迎使用 Velumo 电子相册制作软件！\n\n"
           "第一步：点击“添加相片”，可一次选择多张 JPG 相片，软件会为每张相片自动挑选动画模板。\n\n"
           "第二步：点击“添加音乐”和“添加歌词”，为相册配上 MP3 歌曲和 LRC 歌词，歌词会按顺序自动绑定到音乐。\n\n"
           "第三步：在相片区域按住鼠标左键拖动缩略图，可以调整相片的先后顺序；双击缩略图可以预览效果。\n\n"
           "第四步：用“相册长度”选择以相片或音乐的长度为准，用“文字特效”添加移动字幕，用“其它设置”选择电视制式和画质。\n\n"
           "最后：点击 VCD、SVCD、DVD 或 AVI 按钮，选择画面尺寸和保存位置，即可生成您的相册视频。"_s;
}

} // namespace

RightColumn::RightColumn(QWidget *window, ButtonHints &hints)
    : QObject(window)
    , m_window(window)
    , m_hints(hints)
{
    using C = MainCommand;
    m_photos = makeCountPanel(MediaKind::Photos, u"张"_s, 54,
                              {{u"图标"_s, u"相片缩略图"_s, true, false, C::DeletePhoto},
                               {u"删除"_s, u"删除单个相片"_s, false, false, C::DeletePhoto},
                               {u"列表"_s, u"相片列表"_s, true, true, C::DeletePhoto},
                               {u"全删"_s, u"删除全部相片"_s, false, false, C::DeleteAllPhotos}});
    m_music = makeCountPanel(MediaKind::Music, u"个"_s, 56,
                             {{u"图标"_s, u"音乐缩略图"_s, true, false, C::DeleteMusic},
                              {u"删除"_s, u"删除单个音乐"_s, false, false, C::DeleteMusic},
                              {u"列表"_s, u"音乐列表"_s, true, true, C::DeleteMusic},
                              {u"全删"_s, u"删除全部音乐"_s, false, false, C::DeleteAllMusic},
                              {u"绑定"_s, u"绑定歌词文件"_s, false, false, C::BindMusic},
                              {u"全解绑"_s, u"解除全部绑定的歌词文件"_s, false, false, C::UnbindAllMusic},
                              {u"解绑"_s, u"解除绑定的歌词文件"_s, false, false, C::UnbindMusic},
                              {u"自动绑"_s, u"自动绑定全部歌词文件"_s, false, false, C::AutoBindMusic},
                              {u"音乐预览"_s, u"预览音乐文件"_s, false, false, C::PreviewMusic}});
    m_lyrics = makeCountPanel(MediaKind::Lyrics, u"个"_s, 56,
                              {{u"图标"_s, u"歌词缩略图"_s, true, false, C::DeleteLyric},
                               {u"删除"_s, u"删除单个歌词"_s, false, false, C::DeleteLyric},
                               {u"列表"_s, u"歌词列表"_s, true, true, C::DeleteLyric},
                               {u"全删"_s, u"删除全部歌词"_s, false, false, C::DeleteAllLyrics},
                               {u"绑定"_s, u"绑定音乐文件"_s, false, false, C::BindLyric},
                               {u"全解绑"_s, u"解除全部绑定的音乐文件"_s, false, false, C::UnbindAllLyrics},
                               {u"解绑"_s, u"解除绑定的音乐文件"_s, false, false, C::UnbindLyric},
                               {u"自动绑"_s, u"自动绑定全部音乐文件"_s, false, false, C::AutoBindLyrics},
                               {u"歌词设置"_s, u"对歌词进行设置,例如:歌词位置,大小,颜色,类型等等"_s, false, false,
                                C::LyricSettings},
                               {u"歌词预览"_s, u"预览歌词文件"_s, false, false, C::PreviewLyric}});

    m_settings = new ui::SkinnedPanel(u"suiPanel_qitaxiangguan"_s, u"其它相关"_s, window);
    makeRow(m_settings, u"画面质量:"_s, u"Label_huamian_zhiliang"_s, 32);
    makeRow(m_settings, u"电视制式:"_s, u"Label_dianshi_zhishi"_s, 55);
    makeRow(m_settings, u"相册长度:"_s, u"Label_xiangce_changdu"_s, 78);
    makeRow(m_settings, u"文字特效:"_s, u"Label_wenzi_texiao"_s, 101, u"个"_s);
    makeRow(m_settings, u"画面特效:"_s, u"Label_huamian_texiao"_s, 124, u"个"_s);

    m_help = new ui::SkinnedPanel(u"suiPanel_bangzhuxinxi"_s, u"帮助信息"_s, window);
    m_helpBox = new QWidget(m_help);
    m_helpBox->setObjectName(u"ScrollBox_bangzhu"_s);
    m_helpText = textLabel(m_helpBox, helpText(), ui::skin::kTextMuted, 12);
    m_helpText->setObjectName(u"Label_bangzhu_wenzi"_s);
    m_helpText->setWordWrap(true);
    m_helpText->move(8, kTickerRestartTop);
}

ui::SkinnedPanel *RightColumn::makeCountPanel(MediaKind kind, const QString &unit, int buttonTop,
                                              const std::vector<PanelButtonEntry> &buttons)
{
    static const QString names[] = {u"suiPanel_xiangpianquyu"_s, u"suiPanel_yinyuequyu"_s, u"suiPanel_gecequyu"_s};
    static const QString captions[] = {u"相片数量:"_s, u"音乐数量:"_s, u"歌词数量:"_s};
    static const QString counts[] = {u"Label_xiangpian_shuliang"_s, u"Label_yinyue_shuliang"_s,
                                     u"Label_geci_shuliang"_s};
    const auto k = std::size_t(kind);
    auto *panel = new ui::SkinnedPanel(names[k], areaName(kind), m_window);
    textLabel(panel, captions[k], ui::skin::kText, 12)->move(8, kCountRowTop);
    QLabel *count = textLabel(panel, u"0"_s, ui::skin::kGoldBright, 13, true);
    count->setObjectName(counts[k]);
    count->setFixedWidth(30);
    count->move(112, kCountRowTop - 1);
    m_values.push_back(count);
    textLabel(panel, unit, ui::skin::kText, 12)->move(144, kCountRowTop);

    for (std::size_t i = 0; i < buttons.size(); ++i) {
        QPushButton *button = makeButton(panel, kind, buttons[i]);
        const int row = int(i / 2);
        const bool right = i % 2 == 1;
        const bool alone = i + 1 == buttons.size() && i % 2 == 0;
        button->setGeometry(right ? 93 : 2, buttonTop + row * kButtonRowStep,
                            alone ? 2 * kButtonSize.width() + 1 : kButtonSize.width(), kButtonSize.height());
    }
    return panel;
}

QPushButton *RightColumn::makeButton(QWidget *parent, MediaKind kind, const PanelButtonEntry &entry)
{
    auto *button = new QPushButton(entry.caption, parent);
    button->setObjectName(parent->objectName() + u"_"_s + entry.caption);
    button->setStyleSheet(ui::panelButtonStyle());
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    m_hints.add(button, entry.hint);
    if (entry.isMode)
        connect(button, &QPushButton::clicked, this, [this, kind, list = entry.listMode] { emit modeRequested(kind, list); });
    else
        connect(button, &QPushButton::clicked, this, [this, command = entry.command] { emit commandRequested(command); });
    return button;
}

QLabel *RightColumn::makeRow(QWidget *parent, const QString &caption, const QString &objectName, int top,
                             const QString &unit)
{
    textLabel(parent, caption, ui::skin::kText, 12)->move(8, top);
    QLabel *value = textLabel(parent, QString(), ui::skin::kGoldBright, 12, true);
    value->setObjectName(objectName);
    value->setFixedWidth(unit.isEmpty() ? 90 : 30);
    value->move(unit.isEmpty() ? 80 : 112, top);
    m_values.push_back(value);
    if (!unit.isEmpty())
        textLabel(parent, unit, ui::skin::kText, 12)->move(144, top);
    return value;
}

QLabel *RightColumn::summaryLabel(const QString &objectName) const
{
    for (QLabel *label : m_values) {
        if (label->objectName() == objectName)
            return label;
    }
    return nullptr;
}

void RightColumn::place(const FrameGeometry &geometry)
{
    m_photos->setGeometry(geometry.photoCounts);
    m_music->setGeometry(geometry.musicCounts);
    m_lyrics->setGeometry(geometry.lyricCounts);
    m_settings->setGeometry(geometry.otherSettings);
    m_help->setVisible(!geometry.help.isEmpty());
    m_help->setGeometry(geometry.help);
    // The scroll box is the panel's height less 30, under the header.
    m_helpBox->setGeometry(0, 26, geometry.help.width(), std::max(0, geometry.help.height() - 30));
    m_helpText->setFixedWidth(std::max(40, geometry.help.width() - 16));
    m_helpText->adjustSize();
}

void RightColumn::showSummary(const SummaryTexts &texts)
{
    const std::pair<const char16_t *, const QString *> values[] = {
        {u"Label_xiangpian_shuliang", &texts.photoCount}, {u"Label_yinyue_shuliang", &texts.musicCount},
        {u"Label_geci_shuliang", &texts.lyricCount},      {u"Label_huamian_zhiliang", &texts.quality},
        {u"Label_dianshi_zhishi", &texts.tvStandard},     {u"Label_xiangce_changdu", &texts.albumLength},
        {u"Label_wenzi_texiao", &texts.textEffects},      {u"Label_huamian_texiao", &texts.pictureEffects},
    };
    for (const auto &[name, text] : values) {
        QLabel *label = summaryLabel(QString::fromUtf16(name));
        if (label != nullptr && label->text() != *text)
            label->setText(*text);
    }
}

void RightColumn::tickHelp()
{
    if (!m_help->isVisible())
        return;
    m_helpText->move(m_helpText->x(), nextTickerTop(m_helpText->y(), m_helpText->height()));
}

} // namespace velumo
