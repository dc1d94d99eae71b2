#include "bench/bench_inputs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace velumo::bench {

QImage photoLike(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator grain{quint32(seed)};
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = x * 0.004 + seed;
            const double v = y * 0.005;
            const int noise = int(grain.bounded(24)) - 12;
            line[x] = qRgb(std::clamp(int(128 + 90 * std::sin(u + v)) + noise, 0, 255),
                           std::clamp(int(128 + 90 * std::cos(u * 1.3 - v)) + noise, 0, 255),
                           std::clamp(int(128 + 90 * std::sin(v * 1.7)) + noise, 0, 255));
        }
    }
    return image;
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            copyTree(entry.filePath(), to + u'/' + entry.fileName());
        else
            QFile::copy(entry.filePath(), to + u'/' + entry.fileName());
    }
}

} // namespace velumo::bench
