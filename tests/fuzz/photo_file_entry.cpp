// Photo file bytes in: checked, measured and rendered small, or refused with a reason.
#include "media/photo/photo_file.h"
#include "tests/fuzz/fuzz_entry.h"

#include <algorithm>

namespace {

void openAnyPhoto(std::span<const std::uint8_t> input)
{
    try {
        const velumo::PhotoFile photo = velumo::PhotoFile::fromBytes(
            QStringLiteral("fuzz.jpg"), QByteArray(reinterpret_cast<const char *>(input.data()), qsizetype(input.size())));
        const QSize displayed = photo.displayedSize();
        photo.render(QSize(std::clamp(displayed.width() / 8, 1, 64), std::clamp(displayed.height() / 8, 1, 64)));
    } catch (const velumo::PhotoUnusable &) {
        // refused with a reason: the expected outcome for a damaged or hostile file
    }
}

} // namespace

VELUMO_FUZZ_ENTRY(photo_file, openAnyPhoto);
