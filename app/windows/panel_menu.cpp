#include "app/windows/panel_menu.h"

#include "ui/main_skin.h"

#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString menuName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"Form1_xiangpian_youjian_caidan"_s;
    case MediaKind::Music:
        return u"Form1_yinyue_youjian_caidan"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"Form1_geci_youjian_caidan"_s;
}

} // namespace

void showPanelMenu(MediaKind kind, QPoint globalPos, QWidget *parent, const PanelMenuActions &actions)
{
    QMenu menu(parent);
    menu.setObjectName(menuName(kind));
    menu.setStyleSheet(ui::contextMenuStyle());
    const auto command = [&](const QString &text, MainCommand c) {
        menu.addAction(text, [&actions, c] { actions.run(c); });
    };
    const auto modes = [&] {
        menu.addSeparator();
        menu.addAction(u"图标格式"_s, [&actions] { actions.setMode(false); });
        menu.addAction(u"列表格式"_s, [&actions] { actions.setMode(true); });
        menu.addSeparator();
    };
    using C = MainCommand;
    switch (kind) {
    case MediaKind::Photos:
        command(u"全部删除"_s, C::DeleteAllPhotos);
        modes();
        command(u"预览效果"_s, C::PreviewPhoto);
        break;
    case MediaKind::Music:
        command(u"删除音乐"_s, C::DeleteMusic);
        command(u"全部删除"_s, C::DeleteAllMusic);
        menu.addSeparator();
        command(u"手动绑定"_s, C::BindMusic);
        command(u"自动绑定"_s, C::AutoBindMusic);
        command(u"手动解绑"_s, C::UnbindMusic);
        command(u"全部解绑"_s, C::UnbindAllMusic);
        modes();
        command(u"音乐预览"_s, C::PreviewMusic);
        break;
    case MediaKind::Lyrics:
        command(u"删除歌词"_s, C::DeleteLyric);
        command(u"全部删除"_s, C::DeleteAllLyrics);
        menu.addSeparator();
        command(u"手动绑定"_s, C::BindLyric);
        command(u"自动绑定"_s, C::AutoBindLyrics);
        command(u"手动解绑"_s, C::UnbindLyric);
        command(u"全部解绑"_s, C::UnbindAllLyrics);
        modes();
        command(u"歌词设置"_s, C::LyricSettings);
        command(u"歌词预览"_s, C::PreviewLyric);
        break;
    }
    menu.exec(globalPos);
}

} // namespace velumo
