// velumo-template-author install PROGRAM_DIR
// velumo-template-author contact-sheets OUT_DIR [--only NAME,...] [--frames F,...] [--cell WxH] [PHOTO...]
//
// Writes the template library into a program folder, or draws contact sheets of it.
#include "tools/template_author/contact_sheet.h"
#include "tools/template_author/installer.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: velumo-template-author install PROGRAM_DIR\n"
                         "       velumo-template-author contact-sheets OUT_DIR [--only NAME,...] [--frames F,...]\n"
                         "                              [--cell WxH] [PHOTO...]\n"
                         "(a negative frame counts from the end: -1 is the last)\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Captions are drawn with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2)
        return usage();
    try {
        if (args[0] == u"install"_s && args.size() == 2) {
            const int count = velumo::author::installLibrary(args[1]);
            std::printf("installed %d templates and the closing template into %s\n", count, qPrintable(args[1]));
            return 0;
        }
        if (args[0] == u"contact-sheets"_s) {
            velumo::author::SheetOptions options;
            options.outputFolder = args[1];
            QStringList rest = args.mid(2);
            if (const qsizetype at = rest.indexOf(u"--only"_s); at >= 0) {
                if (at + 1 >= rest.size())
                    return usage();
                options.only = rest[at + 1].split(u',', Qt::SkipEmptyParts);
                rest.remove(at, 2);
            }
            if (const qsizetype at = rest.indexOf(u"--frames"_s); at >= 0) {
                if (at + 1 >= rest.size())
                    return usage();
                for (const QString &f : rest[at + 1].split(u',', Qt::SkipEmptyParts))
                    options.frames.push_back(f.toInt());
                rest.remove(at, 2);
            }
            if (const qsizetype at = rest.indexOf(u"--cell"_s); at >= 0) {
                const QStringList wh = at + 1 < rest.size() ? rest[at + 1].split(u'x') : QStringList();
                if (wh.size() != 2 || wh[0].toInt() < 16 || wh[1].toInt() < 16)
                    return usage();
                options.cell = QSize(wh[0].toInt(), wh[1].toInt());
                rest.remove(at, 2);
            }
            options.photos = rest;
            const int count = velumo::author::writeContactSheets(options);
            std::printf("wrote %d contact sheets into %s\n", count, qPrintable(args[1]));
            return 0;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "velumo-template-author: %s\n", error.what());
        return 1;
    }
    return usage();
}
