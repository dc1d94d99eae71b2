#include "tools/template_author/contact_sheet.h"

#include "players/swf_template_player.h"
#include "tools/template_author/artwork.h"
#include "tools/template_author/library.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace velumo::author {

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QByteArray jpeg(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90);
    return out;
}

void skyGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

QPainterPath ridge(double width, double base, double amplitude, double phase, double height)
{
    QPainterPath path;
    path.moveTo(0, height);
    for (int x = 0; x <= int(width); x += 20) {
        const double y = base - amplitude * (0.6 * std::sin(x / 210.0 + phase) + 0.4 * std::sin(x / 77.0 + phase * 2.3));
        path.lineTo(x, y);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

void sun(QPainter &p, QPointF c, double r, const QColor &colour)
{
    QRadialGradient g(c, r * 3);
    QColor halo = colour;
    halo.setAlpha(120);
    g.setColorAt(0, colour);
    g.setColorAt(0.33, colour);
    g.setColorAt(0.36, halo);
    g.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r * 3, r * 3);
}

} // namespace

QImage fitPhoto(const QImage &photo, const Slot &slot)
{
    const qint64 W = photo.width();
    const qint64 H = photo.height();
    qint64 width = 0, height = 0;
    QSize canvas;
    if (!slot.fullScreen()) {
        const qint64 sw = slot.width, sh = slot.height;
        if (W >= H) {
            height = sh;
            width = W * sh / H;
            if (width < sw) {
                width = sw;
                height = H * sw / W;
            }
        } else {
            width = sw;
            height = H * sw / W;
            if (height < sh) {
                height = sh;
                width = W * sh / H;
            }
        }
        canvas = QSize(int(sw), int(sh));
    } else if (W >= H) {
        width = 1920;
        height = H * 1920 / W;
        canvas = QSize(1920, 1080);
    } else {
        height = 1080;
        width = W * 1080 / H;
        const qint64 enlarged = height + height / 3;
        width = width * enlarged / height;
        height = enlarged;
        canvas = QSize(int(width), 1080);
    }
    QImage out(canvas, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, double(width), double(height)), photo);
    return out;
}

QImage samplePhoto(bool portrait, int variant)
{
    const QSize size = portrait ? QSize(1200, 1600) : QSize(1600, 1200);
    const double w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::mt19937 engine(unsigned(variant * 7 + (portrait ? 100 : 0)));
    auto dice = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); };
    switch ((variant % 4 + 4) % 4) {
    case 0: { // sunset over mountains and a lake
        skyGradient(p, image.rect(), QColor(70, 40, 110), QColor(255, 150, 80));
        sun(p, QPointF(w * 0.62, h * 0.52), w * 0.05, QColor(255, 236, 170));
        p.setBrush(QColor(120, 60, 110));
        p.drawPath(ridge(w, h * 0.58, h * 0.10, 1.0, h));
        p.setBrush(QColor(70, 34, 80));
        p.drawPath(ridge(w, h * 0.66, h * 0.07, 2.5, h));
        QLinearGradient lake(0, h * 0.72, 0, h);
        lake.setColorAt(0, QColor(250, 150, 100));
        lake.setColorAt(1, QColor(60, 30, 80));
        p.fillRect(QRectF(0, h * 0.72, w, h * 0.28), lake);
        p.setPen(QPen(QColor(255, 230, 180, 150), 3));
        for (int i = 0; i < 9; ++i) {
            const double y = h * 0.75 + i * h * 0.025;
            p.drawLine(QPointF(w * 0.62 - 90 + i * 6, y), QPointF(w * 0.62 + 90 - i * 6, y));
        }
        break;
    }
    case 1: { // seaside with a sail
        skyGradient(p, QRectF(0, 0, w, h * 0.6), QColor(60, 140, 220), QColor(190, 230, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        for (int i = 0; i < 5; ++i) {
            const QPointF c(dice(0, w), dice(h * 0.08, h * 0.35));
            for (int k = 0; k < 4; ++k)
                p.drawEllipse(c + QPointF(k * 50 - 75, dice(-15, 15)), 70, 40);
        }
        skyGradient(p, QRectF(0, h * 0.6, w, h * 0.25), QColor(20, 110, 170), QColor(40, 160, 190));
        skyGradient(p, QRectF(0, h * 0.85, w, h * 0.15), QColor(240, 220, 170), QColor(220, 190, 140));
        QPolygonF sail;
        sail << QPointF(w * 0.3, h * 0.40) << QPointF(w * 0.3, h * 0.63) << QPointF(w * 0.22, h * 0.63);
        p.setBrush(Qt::white);
        p.drawPolygon(sail);
        p.setBrush(QColor(150, 60, 40));
        p.drawRect(QRectF(w * 0.20, h * 0.635, w * 0.13, h * 0.02));
        break;
    }
    case 2: { // green hills, a tree, flowers
        skyGradient(p, image.rect(), QColor(120, 190, 240), QColor(230, 245, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 180, 80));
        p.drawPath(ridge(w, h * 0.6, h * 0.06, 0.3, h));
        p.setBrush(QColor(80, 150, 60));
        p.drawPath(ridge(w, h * 0.72, h * 0.05, 1.7, h));
        p.setBrush(QColor(90, 60, 40));
        p.drawRect(QRectF(w * 0.68, h * 0.42, w * 0.025, h * 0.25));
        p.setBrush(QColor(40, 110, 50));
        p.drawEllipse(QPointF(w * 0.69, h * 0.40), w * 0.09, h * 0.10);
        for (int i = 0; i < 140; ++i) {
            p.setBrush(i % 3 ? QColor(255, 230, 80) : QColor(250, 120, 150));
            p.drawEllipse(QPointF(dice(0, w), dice(h * 0.78, h)), 7, 7);
        }
        break;
    }
    default: { // night city under the moon
        skyGradient(p, image.rect(), QColor(10, 16, 50), QColor(60, 50, 110));
        sun(p, QPointF(w * 0.8, h * 0.18), w * 0.03, QColor(250, 250, 230));
        p.setPen(Qt::NoPen);
        double x = 0;
        while (x < w) {
            const double bw = dice(w * 0.05, w * 0.11);
            const double bh = dice(h * 0.25, h * 0.6);
            p.setBrush(QColor(20, 24, 50));
            p.drawRect(QRectF(x, h - bh, bw, bh));
            for (double wy = h - bh + 20; wy < h - 20; wy += 34) {
                for (double wx = x + 10; wx < x + bw - 14; wx += 22) {
                    if (dice(0, 1) < 0.45) {
                        p.setBrush(QColor(255, 214, 120, 220));
                        p.drawRect(QRectF(wx, wy, 10, 16));
                    }
                }
            }
            x += bw + 4;
        }
        break;
    }
    }
    if (portrait) {
        // A portrait needs a subject: a figure standing in the middle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 26, 34, 230));
        p.drawEllipse(QPointF(w * 0.5, h * 0.52), w * 0.06, w * 0.06);
        QPainterPath body;
        body.moveTo(w * 0.40, h);
        body.cubicTo(w * 0.40, h * 0.70, w * 0.44, h * 0.60, w * 0.5, h * 0.60);
        body.cubicTo(w * 0.56, h * 0.60, w * 0.60, h * 0.70, w * 0.60, h);
        p.drawPath(body);
    }
    return image;
}

QImage sampleScene()
{
    QImage image(kStageWidth, kStageHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    skyGradient(p, image.rect(), QColor(40, 70, 80), QColor(20, 30, 40));
    p.setPen(QPen(QColor(255, 255, 255, 30), 2));
    for (int x = -kStageHeight; x < kStageWidth; x += 80)
        p.drawLine(QPointF(x, kStageHeight), QPointF(x + kStageHeight, 0));
    p.setPen(QColor(230, 240, 240));
    p.setFont(art::captionFont(120, false, true));
    p.drawText(image.rect(), Qt::AlignCenter, u"上一场景"_s);
    return image;
}

QImage contactSheet(const TemplateDesign &design, const std::vector<QImage> &photos, const QImage &scene,
                    const std::vector<int> &frames, QSize cell)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw std::runtime_error("no temporary folder");
    const QString root = work.path();
    const QString instance = root + u"/smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/"_s;
    const swf::writer::Bytes movie = composeMovie(design);
    writeBytes(instance + u"w_j_1.rar"_s, QByteArray(reinterpret_cast<const char *>(movie.data()), qsizetype(movie.size())));
    for (std::size_t i = 0; i < design.photoSlots.size(); ++i)
        writeBytes(instance + u"picture_%1.rar"_s.arg(i + 1), jpeg(fitPhoto(photos.at(i), design.photoSlots[i])));
    writeBytes(root + u"/smxcwjj/tp_wjj/pic/picture_0.rar"_s, jpeg(scene));

    SwfTemplatePlayer player(root);
    player.setMovie(instance + u"w_j_1.rar"_s);
    if (!player.failure().isEmpty())
        throw std::runtime_error(player.failure().toStdString());
    player.stop();

    const int count = int(frames.size());
    const int columns = std::min(4, std::max(1, count));
    const int rows = (count + columns - 1) / columns;
    constexpr int gap = 8;
    constexpr int header = 58;
    QImage sheet(columns * cell.width() + (columns + 1) * gap, header + rows * (cell.height() + gap), QImage::Format_RGB32);
    sheet.fill(QColor(34, 34, 38));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(235, 235, 235));
    p.setFont(art::captionFont(24, false, true));
    QString sizes;
    for (const Slot &s : design.photoSlots)
        sizes += u"%1×%2 %3  "_s.arg(s.width).arg(s.height).arg(orientationWord(s.orientation));
    p.drawText(QRect(gap, 0, sheet.width() - 2 * gap, header), Qt::AlignVCenter | Qt::AlignLeft,
               u"%1   %2 · %3   %4  %5 帧"_s.arg(QString::fromStdString(design.file), design.type,
                                                 design.photoSlots.empty() ? u"片尾"_s : categoryOf(design), sizes)
                   .arg(design.frames));
    p.setFont(art::captionFont(18, false, false));
    const int total = player.totalFrames();
    for (int k = 0; k < count; ++k) {
        const int frame = frames[std::size_t(k)] < 0 ? total + frames[std::size_t(k)] : frames[std::size_t(k)];
        player.setFrameNum(frame);
        QImage shot(cell, QImage::Format_ARGB32_Premultiplied);
        player.paint(shot);
        const QPoint at(gap + (k % columns) * (cell.width() + gap), header + (k / columns) * (cell.height() + gap));
        p.drawImage(at, shot);
        const QRect label(at + QPoint(6, cell.height() - 30), QSize(96, 24));
        p.fillRect(label, QColor(0, 0, 0, 150));
        p.setPen(Qt::white);
        p.drawText(label, Qt::AlignCenter, u"帧 %1"_s.arg(frame));
    }
    for (const QString &warning : player.takeWarnings())
        std::fprintf(stderr, "%s: %s\n", design.file.c_str(), qPrintable(warning));
    return sheet;
}

int writeContactSheets(const SheetOptions &options)
{
    std::vector<QImage> landscapes, portraits;
    for (const QString &path : options.photos) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull())
            throw std::runtime_error("cannot read " + path.toStdString());
        (image.width() >= image.height() ? landscapes : portraits).push_back(image);
    }
    for (int v = 0; v < 4; ++v) {
        if (landscapes.size() < 4)
            landscapes.push_back(samplePhoto(false, v));
        if (portraits.size() < 4)
            portraits.push_back(samplePhoto(true, v));
    }
    const QImage scene = sampleScene();
    QDir().mkpath(options.outputFolder);

    std::vector<const TemplateDesign *> designs;
    for (const TemplateDesign &design : templateLibrary())
        designs.push_back(&design);
    designs.push_back(&closingTemplate());
    int written = 0;
    std::size_t nextLandscape = 0, nextPortrait = 0;
    for (const TemplateDesign *design : designs) {
        if (!options.only.isEmpty() && !options.only.contains(QString::fromStdString(design->file)))
            continue;
        std::vector<QImage> photos;
        for (const Slot &slot : design->photoSlots) {
            if (slot.orientation == Orientation::Portrait)
                photos.push_back(portraits[nextPortrait++ % portraits.size()]);
            else
                photos.push_back(landscapes[nextLandscape++ % landscapes.size()]);
        }
        std::vector<int> frames = options.frames;
        if (frames.empty()) {
            // Evenly spread from the first frame to the last.
            const int n = std::max(1, options.framesPerSheet);
            for (int k = 0; k < n; ++k)
                frames.push_back(n > 1 ? int(std::lround(double(k) * (design->frames - 1) / (n - 1))) : 0);
        }
        const QImage sheet = contactSheet(*design, photos, scene, frames, options.cell);
        const QString out = QDir(options.outputFolder).filePath(QString::fromStdString(design->file) + u".png"_s);
        if (!sheet.save(out, "PNG"))
            throw std::runtime_error("cannot write " + out.toStdString());
        ++written;
    }
    return written;
}

} // namespace velumo::author
