// swf2png MOVIE FRAME WIDTH HEIGHT OUT.png [--root DIR]
// Paints one frame of a template movie, with the pictures it loads, into a PNG file.
#include "app/base/failure.h"
#include "players/swf_template_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "swf2png: %s\n", qPrintable(message));
    return 1;
}

bool toNumber(const QString &text, int minimum, int &out)
{
    bool ok = false;
    out = text.toInt(&ok);
    return ok && out >= minimum;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString root = QDir::rootPath();
    if (const qsizetype at = args.indexOf(u"--root"_s); at >= 0) {
        if (at + 1 >= args.size())
            return fail(u"--root needs a folder"_s);
        root = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != 5 || args.contains(u"--help"_s)) {
        std::fprintf(stderr, "usage: swf2png MOVIE FRAME WIDTH HEIGHT OUT.png [--root DIR]\n"
                             "Paints frame FRAME (0-based) of MOVIE at WIDTH x HEIGHT pixels into OUT.png.\n"
                             "Pictures the movie loads must lie inside DIR (default: anywhere).\n");
        return 2;
    }
    int frame = 0;
    int width = 0;
    int height = 0;
    if (!toNumber(args[1], 0, frame) || !toNumber(args[2], 1, width) || !toNumber(args[3], 1, height)
        || width > 8192 || height > 8192)
        return fail(u"FRAME must be 0 or more, WIDTH and HEIGHT between 1 and 8192"_s);

    velumo::SwfTemplatePlayer player(root);
    player.setMovie(args[0]);
    try {
        const int total = player.totalFrames();
        if (frame >= total)
            std::fprintf(stderr, "swf2png: the movie has %d frames; showing the last\n", total);
        player.stop();
        player.setFrameNum(frame);
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        player.paint(image);
        for (const QString &warning : player.takeWarnings())
            std::fprintf(stderr, "swf2png: %s\n", qPrintable(warning));
        if (!image.save(args[4], "PNG"))
            return fail(u"cannot write "_s + args[4]);
    } catch (const velumo::Failure &failure) {
        return fail(failure.message());
    }
    return 0;
}
