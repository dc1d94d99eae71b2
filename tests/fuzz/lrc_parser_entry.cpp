// Lyric file bytes in: decoded as text and parsed into the result table, or refused with a
// message. The parse must also keep its own promises: the first result row is ("00:00", "")
// and every other row comes from a pair.
#include "app/base/failure.h"
#include "media/lrc_parser.h"
#include "media/lrc_text.h"
#include "tests/fuzz/fuzz_entry.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

namespace {

void parseAnyLyric(std::span<const std::uint8_t> input)
{
    if (qint64(input.size()) > velumo::kMaxLrcBytes)
        return; // refused before decoding by the file reader
    const QByteArray bytes(reinterpret_cast<const char *>(input.data()), qsizetype(input.size()));
    try {
        const velumo::LrcText text = velumo::decodeLrcText(bytes, QStringLiteral("fuzz.lrc"));
        const velumo::LrcParse parse = velumo::parseLrcLines(text.lines);
        if (parse.result.isEmpty() || parse.result.front().caption != QStringLiteral("00:00")
            || parse.result.size() != parse.pairs.size() + 1)
            std::abort();
    } catch (const velumo::Failure &) {
        // not lyric text: refused with a message
    }
}

} // namespace

VELUMO_FUZZ_ENTRY(lrc_parser, parseAnyLyric);
