#include "templates/packed_layer.h"

#include "app/base/failure.h"

#include <zlib.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

[[noreturn]] void damaged(const QString &why)
{
    throw Failure(u"模板文件已损坏，无法解压（%1）"_s.arg(why));
}

} // namespace

void unpackLayer(QByteArray &buffer)
{
    if (buffer.isEmpty())
        return;
    if (buffer.size() < 4)
        damaged(u"长度不足"_s);
    const auto *bytes = reinterpret_cast<const unsigned char *>(buffer.constData());
    const qint32 length = qint32(quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24);
    // Deflate never inflates one byte to more than 1032: a length the stream cannot hold is
    // refused before its buffer is allocated, so that a few hostile bytes cannot claim the
    // largest payload's worth of memory.
    constexpr qint64 kMaxDeflateRatio = 1032;
    if (length < 0 || length > kMaxPackedPayload || length > kMaxDeflateRatio * (buffer.size() - 4))
        damaged(u"声明的长度无效"_s);

    QByteArray out(length, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        damaged(u"解压器无法启动"_s);
    stream.next_in = const_cast<Bytef *>(bytes + 4);
    stream.avail_in = uInt(buffer.size() - 4);
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(length);
    int status = inflate(&stream, Z_FINISH);
    if (status == Z_BUF_ERROR && stream.avail_out == 0) {
        // The output is full: the stream either ends exactly here or holds more than stated.
        unsigned char probe = 0;
        stream.next_out = &probe;
        stream.avail_out = 1;
        status = inflate(&stream, Z_FINISH);
        if (status != Z_STREAM_END || stream.avail_out == 0) {
            inflateEnd(&stream);
            damaged(u"数据比声明的长度多"_s);
        }
    }
    const bool complete = status == Z_STREAM_END && stream.total_out == uLong(length);
    inflateEnd(&stream);
    if (!complete)
        damaged(status == Z_STREAM_END || status == Z_BUF_ERROR ? u"数据比声明的长度少"_s : u"压缩数据错误"_s);
    buffer = std::move(out);
}

QByteArray packLayer(const QByteArray &payload)
{
    uLongf capacity = compressBound(uLong(payload.size()));
    QByteArray out(qsizetype(4 + capacity), Qt::Uninitialized);
    const quint32 length = quint32(payload.size());
    for (int i = 0; i < 4; ++i)
        out[i] = char((length >> (8 * i)) & 0xFF);
    if (compress2(reinterpret_cast<Bytef *>(out.data() + 4), &capacity,
                  reinterpret_cast<const Bytef *>(payload.constData()), uLong(payload.size()), Z_BEST_COMPRESSION)
        != Z_OK)
        throw Failure(u"模板文件无法压缩"_s);
    out.resize(qsizetype(4 + capacity));
    return out;
}

} // namespace velumo
