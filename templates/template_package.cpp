#include "templates/template_package.h"

#include "app/base/failure.h"
#include "templates/packed_layer.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(u"无法读取模板文件：%1"_s.arg(QDir::toNativeSeparators(path)));
    if (file.size() > kMaxPackedPayload)
        throw Failure(u"模板文件过大：%1"_s.arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw Failure(u"无法写入文件：%1"_s.arg(QDir::toNativeSeparators(path)));
}

} // namespace

void chainUnpack(const QString &source, const QString &scratchBase, const QString &finalPath)
{
    QString current = source;
    for (int n = 1; n < kPackageLayers; ++n) {
        QByteArray bytes = readWhole(current);
        try {
            unpackLayer(bytes);
        } catch (const Failure &failure) {
            throw Failure(failure.message() + u"：%1"_s.arg(QDir::toNativeSeparators(source)));
        }
        current = scratchBase + u'-' + QString::number(n) + u".rar"_s;
        writeWhole(current, bytes);
    }
    QByteArray bytes = readWhole(current);
    try {
        unpackLayer(bytes);
    } catch (const Failure &failure) {
        throw Failure(failure.message() + u"：%1"_s.arg(QDir::toNativeSeparators(source)));
    }
    writeWhole(finalPath, bytes);
}

QByteArray wrapPackage(const QByteArray &payload, int layers)
{
    QByteArray bytes = payload;
    for (int i = 0; i < layers; ++i)
        bytes = packLayer(bytes);
    return bytes;
}

} // namespace velumo
