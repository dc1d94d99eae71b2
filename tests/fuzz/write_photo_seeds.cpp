// write_photo_seeds DIR: writes small photos of every kind the import must read (baseline,
// progressive, grey, CMYK, every EXIF orientation) into DIR. The committed corpus is
// tests/fuzz/corpus/photo_file/.
#include "tests/support/jpeg_fixtures.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    using namespace velumo::test;
    const QImage picture = quadrantPicture(QSize(24, 16));
    struct Seed
    {
        const char *name;
        JpegOptions options;
    };
    const Seed seeds[] = {
        {"baseline.jpg", {}},
        {"progressive.jpg", {JpegColour::Rgb, true}},
        {"grey.jpg", {JpegColour::Grey}},
        {"cmyk.jpg", {JpegColour::Cmyk}},
        {"exif_3.jpg", {JpegColour::Rgb, false, 3}},
        {"exif_6.jpg", {JpegColour::Rgb, false, 6}},
        {"exif_8_progressive.jpg", {JpegColour::Rgb, true, 8}},
    };
    for (const Seed &seed : seeds) {
        const QString path = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(seed.name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(encodeJpeg(picture, seed.options)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
