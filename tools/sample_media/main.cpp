// Writes the sample media beside the program: the song 甜蜜蜜 with its LRC lyric and karaoke
// script, and a folder of sample photos. Everything is made here, from code.
#include "tools/sample_media/lyric_files.h"
#include "tools/sample_media/mp3_file.h"
#include "tools/sample_media/sample_photos.h"
#include "tools/sample_media/tune_synth.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;
using namespace velumo::samples;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("usage: velumo-sample-media PROGRAM_FOLDER\n", stderr);
        return 2;
    }
    try {
        const QDir folder(arguments.at(1) + u"/yinyuegeci"_s);
        QDir photos(folder.filePath(u"相片"_s));
        // Photos of an earlier build that are no longer made must not linger.
        photos.removeRecursively();
        if (!QDir().mkpath(photos.path()))
            throw std::runtime_error("cannot create " + photos.path().toStdString());

        writeMp3(folder.filePath(u"甜蜜蜜.mp3"_s), synthesiseSong(), kSampleRate);
        writeFile(folder.filePath(u"甜蜜蜜.lrc"_s), lrcFile());
        writeFile(folder.filePath(u"甜蜜蜜.ksc"_s), kscFile());
        for (const SamplePhoto &photo : samplePhotos())
            writeFile(photos.filePath(photo.fileName), encodeSamplePhoto(photo));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "velumo-sample-media: %s\n", error.what());
        return 1;
    }
    return 0;
}
