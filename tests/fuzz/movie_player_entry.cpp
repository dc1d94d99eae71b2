// Movie bytes in: read, played to a few frames and painted small, as the album renderer does.
#include "players/swf/reader/movie_reader.h"
#include "players/swf/render/renderer.h"
#include "players/swf/runtime/movie_runtime.h"
#include "tests/fuzz/fuzz_entry.h"

#include <QImage>

namespace {

void playAnyMovie(std::span<const std::uint8_t> input)
{
    using namespace velumo::swf;
    std::shared_ptr<const Movie> movie;
    try {
        movie = std::make_shared<const Movie>(readMovie(input));
    } catch (const FormatError &) {
        return;
    }
    MovieRuntime runtime(movie, PictureLoader({}, {}));
    Renderer renderer;
    QImage image(64, 36, QImage::Format_ARGB32_Premultiplied);
    runtime.start();
    for (const int frame : {0, 7, 3, 1000}) {
        runtime.gotoRootFrame(frame);
        renderer.paint(image, runtime.renderTree(), *movie);
    }
}

} // namespace

VELUMO_FUZZ_ENTRY(movie_player, playAnyMovie);
