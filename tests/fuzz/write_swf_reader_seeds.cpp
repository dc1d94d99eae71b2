// write_swf_reader_seeds DIR: writes the reader's seed movies into DIR (the committed corpus is
// tests/fuzz/corpus/swf_reader/). Run once when the seed movies change.
#include "tests/swf_reader/seed_movies.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    for (const auto &seed : velumo::swf::test::seedMovies()) {
        std::ofstream out(dir / seed.name, std::ios::binary);
        out.write(reinterpret_cast<const char *>(seed.bytes.data()), std::streamsize(seed.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", (dir / seed.name).c_str());
            return 1;
        }
        std::printf("%s: %zu bytes\n", seed.name.c_str(), seed.bytes.size());
    }
    return 0;
}
