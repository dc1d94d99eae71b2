#include "app/cli/cli_options.h"

#include "app/cli/media_batches.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

struct Options
{
    QCommandLineOption output{u"output"_s, u"相册的名称（保存对话框中的文件名）。会加上输出类型的扩展名；序列图片时为要新建的文件夹。"_s, u"NAME"_s};
    QCommandLineOption kind{u"kind"_s, u"输出类型：VCD、SVCD、DVD、AVI，或序列图片 JPG、BMP、TGA、PCX。默认 DVD。"_s, u"KIND"_s};
    QCommandLineOption size{u"size"_s, u"画面尺寸，须是该输出类型可选的尺寸之一。默认 1280x720。"_s, u"WxH"_s};
    QCommandLineOption standard{u"standard"_s, u"电视制式：PAL 或 NTSC。默认 PAL。"_s, u"PAL|NTSC"_s};
    QCommandLineOption quality{u"quality"_s, u"画面质量：normal（一般画质）或 high（高清画质）。默认 high。"_s, u"normal|high"_s};
    QCommandLineOption length{u"length"_s, u"相册时长：photos 以相片时间为准，music 以音乐时间为准。默认 photos。"_s, u"photos|music"_s};
    QCommandLineOption loopMusic{u"loop-music"_s, u"以音乐循环播放补充帧频。"_s};
    QCommandLineOption loopPictures{u"loop-pictures"_s, u"以画面循环播放补充帧频（只用于 --length music）。"_s};
    QCommandLineOption cropLandscape{u"crop-landscape"_s, u"横照片：full 全屏显示，template 模板默认。默认 full。"_s, u"full|template"_s};
    QCommandLineOption cropPortrait{u"crop-portrait"_s, u"竖照片：enlarge 局部放大，template 模板默认。默认 enlarge。"_s, u"enlarge|template"_s};
    QCommandLineOption seed{u"seed"_s, u"模板抽取的随机种子（0 至 4294967295）；相同的文件和种子得到相同的相册。"_s, u"N"_s};
    QCommandLineOption dumpTables{u"dump-tables"_s, u"制作结束后把全部项目表写成 DIR/<窗口>.<表名>.tsv，隐藏值写成 DIR/values.tsv（窗口.名称 与值）。"_s, u"DIR"_s};
};

void describe(QCommandLineParser &parser, Options &options)
{
    parser.setApplicationDescription(
        u"Velumo 相册制作（无窗口）：把相片、音乐和歌词做成相册视频。\n"
        "文件按扩展名区分：.jpg 相片、.mp3 音乐、.lrc 歌词，按给出的顺序添加。\n"
        "velumo-cli lrc FILE 按程序读取的方式列出 LRC 歌词的时间轴（时间标签和歌词，以制表符分隔）。"_s);
    parser.addHelpOption();
    parser.addOptions({options.output, options.kind, options.size, options.standard, options.quality,
                       options.length, options.loopMusic, options.loopPictures, options.cropLandscape,
                       options.cropPortrait, options.seed, options.dumpTables});
    parser.addPositionalArgument(u"FILE"_s, u"相片（.jpg）、音乐（.mp3）或 LRC 歌词（.lrc）。"_s, u"FILE..."_s);
}

CommandLineError badValue(const QCommandLineOption &option, const QString &value, const QString &allowed)
{
    return {u"选项 --%1 的取值“%2”无法使用，可用的取值：%3"_s.arg(option.names().constFirst(), value, allowed)};
}

// A choice between two words; nothing when the option was not given.
std::optional<bool> twoWayChoice(const QCommandLineParser &parser, const QCommandLineOption &option,
                                 const QString &first, const QString &second, std::optional<CommandLineError> &error)
{
    if (!parser.isSet(option))
        return std::nullopt;
    const QString value = parser.value(option).toLower();
    if (value == first)
        return true;
    if (value == second)
        return false;
    error = badValue(option, parser.value(option), first + u" 或 "_s + second);
    return std::nullopt;
}

QString sizeText(QSize size)
{
    return QString::number(size.width()) + u'x' + QString::number(size.height());
}

ParsedCommandLine albumOptions(const QCommandLineParser &parser, const Options &options)
{
    AlbumOptions album;
    std::optional<CommandLineError> error;

    if (parser.isSet(options.output)) {
        album.outputName = parser.value(options.output);
        if (album.outputName.trimmed().isEmpty())
            return CommandLineError{u"选项 --output 需要一个相册名称。"_s};
    }
    if (parser.isSet(options.kind)) {
        const std::optional<KindChoice> kind = kindFromName(parser.value(options.kind));
        if (!kind)
            return badValue(options.kind, parser.value(options.kind), u"VCD、SVCD、DVD、AVI、JPG、BMP、TGA、PCX"_s);
        album.kind = *kind;
    }
    const std::vector<QSize> &offered = sizesOffered(album.kind.kind);
    if (parser.isSet(options.size)) {
        static const QRegularExpression pattern(u"^\\s*(\\d{1,5})\\s*[xX×*]\\s*(\\d{1,5})\\s*$"_s);
        const QRegularExpressionMatch match = pattern.match(parser.value(options.size));
        const QSize size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : QSize();
        if (std::find(offered.begin(), offered.end(), size) == offered.end()) {
            QStringList texts;
            for (QSize s : offered)
                texts << sizeText(s);
            return badValue(options.size, parser.value(options.size), texts.join(u"、"_s));
        }
        album.size = size;
    }
    if (const std::optional<bool> pal = twoWayChoice(parser, options.standard, u"pal"_s, u"ntsc"_s, error))
        album.tvStandardToken = *pal ? u"PAL"_s : u"NTSC"_s;
    if (const std::optional<bool> normal = twoWayChoice(parser, options.quality, u"normal"_s, u"high"_s, error))
        album.qualityToken = *normal ? u"yiban_huazhi"_s : u"gaoqing_huazhi"_s;
    if (const std::optional<bool> photos = twoWayChoice(parser, options.length, u"photos"_s, u"music"_s, error))
        album.length = *photos ? AlbumLength::Photos : AlbumLength::Music;
    if (const std::optional<bool> full = twoWayChoice(parser, options.cropLandscape, u"full"_s, u"template"_s, error))
        album.landscapeFullScreen = *full;
    if (const std::optional<bool> enlarge =
            twoWayChoice(parser, options.cropPortrait, u"enlarge"_s, u"template"_s, error))
        album.portraitEnlarge = *enlarge;
    if (error)
        return *error;
    album.loopMusic = parser.isSet(options.loopMusic);
    album.loopPictures = parser.isSet(options.loopPictures);
    // The duration window unticks the picture loop whenever the photos set the length.
    if (album.loopPictures && album.length == AlbumLength::Photos)
        return CommandLineError{u"--loop-pictures 只能与 --length music 一起使用。"_s};
    if (parser.isSet(options.seed)) {
        bool ok = false;
        const qulonglong seed = parser.value(options.seed).toULongLong(&ok);
        if (!ok || seed > 0xFFFFFFFFull)
            return badValue(options.seed, parser.value(options.seed), u"0 至 4294967295 的整数"_s);
        album.seed = std::uint32_t(seed);
    }
    if (parser.isSet(options.dumpTables)) {
        album.dumpFolder = parser.value(options.dumpTables);
        if (album.dumpFolder.isEmpty())
            return CommandLineError{u"选项 --dump-tables 需要一个文件夹。"_s};
    }

    bool anyPhoto = false;
    for (const QString &file : parser.positionalArguments()) {
        const std::optional<MediaFileKind> kind = mediaFileKind(file);
        if (!kind)
            return CommandLineError{u"无法识别的文件类型：%1（只能添加 .jpg 相片、.mp3 音乐和 .lrc 歌词）"_s.arg(file)};
        anyPhoto = anyPhoto || *kind == MediaFileKind::Photo;
        // The windows add files by their full paths, as the file dialog returns them.
        album.files << QFileInfo(file).absoluteFilePath();
    }
    if (!anyPhoto)
        return CommandLineError{u"没有添加相片文件！请至少给出一张 .jpg 相片。"_s};
    return album;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    Options options;
    describe(parser, options);
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return CommandLineError{u"未知的选项：%1"_s.arg(parser.unknownOptionNames().join(u", "_s))};
        return CommandLineError{u"命令行无法使用：%1"_s.arg(parser.errorText())};
    }
    if (parser.isSet(u"help"_s))
        return HelpRequest{parser.helpText()};

    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty() && positional.constFirst() == u"lrc"_s) {
        if (positional.size() != 2)
            return CommandLineError{u"用法：velumo-cli lrc FILE（只给一个 LRC 歌词文件）"_s};
        return LrcListing{positional.at(1)};
    }
    return albumOptions(parser, options);
}

} // namespace velumo::cli
