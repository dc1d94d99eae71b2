// write_template_seeds CORPUS_ROOT: writes the seeds of the packed_layer and template_ini
// entries into CORPUS_ROOT/<entry>/ (the committed corpus root is tests/fuzz/corpus/), made
// from the parameter files of the template library itself. Run once when the library's
// parameter format changes.
#include "templates/packed_layer.h"
#include "templates/template_package.h"
#include "tools/template_author/library.h"

#include <QStringEncoder>

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

bool write(const fs::path &file, const QByteArray &bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.constData(), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return false;
    }
    std::printf("%s: %lld bytes\n", file.c_str(), static_cast<long long>(bytes.size()));
    return true;
}

// A layer whose stream holds its payload in stored (uncompressed) blocks: the library never
// writes one, but the format allows it.
QByteArray storedLayer(const QByteArray &payload)
{
    uLongf capacity = compressBound(uLong(payload.size()));
    QByteArray stream(qsizetype(capacity), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(stream.data()), &capacity,
              reinterpret_cast<const Bytef *>(payload.constData()), uLong(payload.size()), Z_NO_COMPRESSION);
    stream.resize(qsizetype(capacity));
    const quint32 length = quint32(payload.size());
    QByteArray prefix(4, '\0');
    for (int i = 0; i < 4; ++i)
        prefix[i] = char((length >> (8 * i)) & 0xFF);
    return prefix + stream;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_ROOT\n", argv[0]);
        return 2;
    }
    const fs::path packed = fs::path(argv[1]) / "packed_layer";
    const fs::path ini = fs::path(argv[1]) / "template_ini";

    // One parameter file per slot count: the one-photo form names its picture plainly.
    QList<QByteArray> parameters;
    std::set<std::size_t> slotCounts;
    for (const auto &design : velumo::author::templateLibrary()) {
        if (slotCounts.insert(design.photoSlots.size()).second && parameters.size() < 3)
            parameters.append(velumo::author::parameterFile(design));
    }
    QStringEncoder gb18030("GB18030");

    bool ok = write(packed / "empty_package.bin", QByteArray())
        && write(packed / "empty_payload.bin", velumo::packLayer(QByteArray()))
        && write(packed / "one_layer.bin", velumo::packLayer(parameters.front()))
        && write(packed / "stored_layer.bin", storedLayer(parameters.front()))
        && write(packed / "whole_package.rar", velumo::wrapPackage(parameters.back()));
    for (qsizetype i = 0; i < parameters.size(); ++i)
        ok = ok && write(ini / ("library_" + std::to_string(i + 1) + ".ini"), parameters.at(i));
    ok = ok && write(ini / "bom.ini", QByteArray("\xEF\xBB\xBF") + parameters.front())
        && write(ini / "gb18030.ini", gb18030.encode(QString::fromUtf8(parameters.back())))
        && write(ini / "odd_lines.ini",
                 QByteArray("; comment\nkey_before_any_section=1\n[ 1 \nSZHZ = |heng|shu|\n[1]\nszhz=|shuheng|\n"
                            "=no key\n[]\nno equals sign\n[open section\nx=1\r\n"));
    return ok ? 0 : 1;
}
