#pragma once

#include "app/cli/output_choices.h"

#include <QSize>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <variant>

namespace velumo::cli {

enum class AlbumLength { Photos, Music };

// Everything one album run of velumo-cli was asked for.
struct AlbumOptions
{
    QStringList files; // photos, songs and lyric files, in the order given
    QString outputName = QStringLiteral("相册");
    KindChoice kind;
    QSize size{1280, 720};
    QString tvStandardToken = QStringLiteral("PAL");
    QString qualityToken = QStringLiteral("gaoqing_huazhi");
    AlbumLength length = AlbumLength::Photos;
    bool loopMusic = false;
    bool loopPictures = false;
    bool landscapeFullScreen = true;
    bool portraitEnlarge = true;
    std::optional<std::uint32_t> seed;
    QString dumpFolder; // empty: no dump
};

// `velumo-cli lrc FILE`.
struct LrcListing
{
    QString file;
};

// --help: the text to print, and success.
struct HelpRequest
{
    QString text;
};

// An unusable command line: the message for the user, exit code 2.
struct CommandLineError
{
    QString message;
};

using ParsedCommandLine = std::variant<AlbumOptions, LrcListing, HelpRequest, CommandLineError>;

// `arguments` as main() receives them, the program name first.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

} // namespace velumo::cli
