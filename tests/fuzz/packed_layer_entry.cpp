// Template package bytes in: unpacked layer after layer, as a package is, until a layer is
// refused or the package's layer count is reached. Every layer that unpacks must hold exactly
// the length it states, and packing it again must give it back.
#include "app/base/failure.h"
#include "templates/packed_layer.h"
#include "templates/template_package.h"
#include "tests/fuzz/fuzz_entry.h"

#include <cstdlib>

namespace {

qint32 statedLength(const QByteArray &layer)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(layer.constData());
    return qint32(quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24);
}

void unpackAnyPackage(std::span<const std::uint8_t> input)
{
    QByteArray bytes(reinterpret_cast<const char *>(input.data()), qsizetype(input.size()));
    for (int layer = 0; layer < velumo::kPackageLayers; ++layer) {
        const QByteArray packed = bytes;
        try {
            velumo::unpackLayer(bytes);
        } catch (const velumo::Failure &) {
            return; // a damaged layer: refused with a message
        }
        if (packed.isEmpty()) {
            if (!bytes.isEmpty())
                std::abort();
            return;
        }
        if (bytes.size() != statedLength(packed))
            std::abort();
        // Packing at full compression is slow for big payloads; small ones say as much.
        if (bytes.size() <= 64 * 1024) {
            QByteArray again = velumo::packLayer(bytes);
            velumo::unpackLayer(again);
            if (again != bytes)
                std::abort();
        }
    }
}

} // namespace

VELUMO_FUZZ_ENTRY(packed_layer, unpackAnyPackage);
