#pragma once

#include <QByteArray>

namespace velumo {

// One packed layer: the inflated length as a signed 32-bit little-endian integer, then one
// zlib stream that inflates to exactly that many bytes. An empty buffer is an empty layer.

// The largest payload a layer may claim; template movies and parameter files are far smaller,
// so anything larger is damaged or hostile data.
inline constexpr qint64 kMaxPackedPayload = 256LL << 20;

// Replaces `buffer` with the bytes it holds packed. Throws velumo::Failure for damaged data:
// a negative or oversized length, a broken stream, or a stream that ends before or after the
// stated length.
void unpackLayer(QByteArray &buffer);

// The packed layer holding `payload`.
QByteArray packLayer(const QByteArray &payload);

} // namespace velumo
