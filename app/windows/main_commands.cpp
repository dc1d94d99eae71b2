#include "app/windows/main_commands.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString commandCaption(MainCommand command)
{
    switch (command) {
    case MainCommand::AddPhotos:
        return u"添加相片"_s;
    case MainCommand::AddMusic:
        return u"添加音乐"_s;
    case MainCommand::AddLyrics:
        return u"添加歌词"_s;
    case MainCommand::AlbumLength:
        return u"相册长度"_s;
    case MainCommand::TextEffects:
        return u"文字特效"_s;
    case MainCommand::OtherSettings:
        return u"其它设置"_s;
    case MainCommand::MakeVcd:
        return u"VCD"_s;
    case MainCommand::MakeSvcd:
        return u"SVCD"_s;
    case MainCommand::MakeDvd:
        return u"DVD"_s;
    case MainCommand::MakeAvi:
        return u"AVI"_s;
    case MainCommand::DeletePhoto:
        return u"删除相片"_s;
    case MainCommand::DeleteAllPhotos:
        return u"删除全部相片"_s;
    case MainCommand::PreviewPhoto:
        return u"预览效果"_s;
    case MainCommand::DeleteMusic:
        return u"删除音乐"_s;
    case MainCommand::DeleteAllMusic:
        return u"删除全部音乐"_s;
    case MainCommand::BindMusic:
    case MainCommand::BindLyric:
        return u"手动绑定"_s;
    case MainCommand::AutoBindMusic:
    case MainCommand::AutoBindLyrics:
        return u"自动绑定"_s;
    case MainCommand::UnbindMusic:
    case MainCommand::UnbindLyric:
        return u"手动解绑"_s;
    case MainCommand::UnbindAllMusic:
    case MainCommand::UnbindAllLyrics:
        return u"全部解绑"_s;
    case MainCommand::PreviewMusic:
        return u"音乐预览"_s;
    case MainCommand::DeleteLyric:
        return u"删除歌词"_s;
    case MainCommand::DeleteAllLyrics:
        return u"删除全部歌词"_s;
    case MainCommand::LyricSettings:
        return u"歌词设置"_s;
    case MainCommand::PreviewLyric:
        return u"歌词预览"_s;
    case MainCommand::OpenWebsite:
        break;
    }
    return u"网站模板"_s;
}

} // namespace velumo
