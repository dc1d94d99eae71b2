#include "tools/sample_media/sample_photos.h"

#include "tools/jpeg_writer/jpeg_writer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace velumo::samples {
namespace {

constexpr QSize kLandscape(1600, 1200);
constexpr QSize kPortrait(1200, 1600);

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void sky(QPainter &p, QRectF area, QColor top, QColor bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(area, gradient);
}

// A ridge line across the picture: a smooth random profile filled down to the bottom.
void ridge(QPainter &p, QSizeF size, double base, double height, QColor colour, quint32 seed)
{
    QRandomGenerator random(seed);
    QPainterPath path(QPointF(0, size.height()));
    const double phase1 = random.bounded(6.28), phase2 = random.bounded(6.28);
    for (int x = 0; x <= int(size.width()); x += 8) {
        const double u = x / size.width();
        const double y = base - height * (0.55 * std::sin(u * 7.0 + phase1) + 0.35 * std::sin(u * 17.0 + phase2) + 0.5);
        path.lineTo(x, y);
    }
    path.lineTo(size.width(), size.height());
    path.closeSubpath();
    p.fillPath(path, colour);
}

void glow(QPainter &p, QPointF centre, double radius, QColor core)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, core);
    QColor clear = core;
    clear.setAlpha(0);
    gradient.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
}

QImage sunsetBySea()
{
    QImage image = canvas(kLandscape);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height(), horizon = h * 0.6;
    sky(p, {0, 0, w, horizon}, QColor(70, 60, 140), QColor(250, 150, 90));
    glow(p, {w * 0.5, horizon}, h * 0.45, QColor(255, 200, 120, 200));
    p.setBrush(QColor(255, 230, 170));
    p.drawEllipse(QPointF(w * 0.5, horizon - 40), 110, 110);
    sky(p, {0, horizon, w, h - horizon}, QColor(230, 130, 90), QColor(40, 50, 100));
    // The sun's path on the water: short bright strokes that thin out towards the shore.
    QRandomGenerator random(7);
    for (int i = 0; i < 140; ++i) {
        const double y = horizon + 10 + random.bounded(h - horizon - 20);
        const double spread = 40 + (y - horizon) * 0.5;
        const double x = w * 0.5 + (random.bounded(2.0) - 1.0) * spread;
        p.fillRect(QRectF(x, y, 30 + random.bounded(60.0), 4), QColor(255, 220, 160, 150));
    }
    return image;
}

QImage mountainLake()
{
    QImage image = canvas(kLandscape);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    sky(p, {0, 0, w, h}, QColor(110, 170, 230), QColor(220, 235, 245));
    ridge(p, image.size(), h * 0.5, h * 0.25, QColor(150, 165, 195), 11);
    ridge(p, image.size(), h * 0.6, h * 0.16, QColor(90, 120, 110), 12);
    ridge(p, image.size(), h * 0.68, h * 0.08, QColor(50, 90, 60), 13);
    QLinearGradient lake(0, h * 0.72, 0, h);
    lake.setColorAt(0, QColor(120, 170, 200));
    lake.setColorAt(1, QColor(40, 80, 120));
    p.fillRect(QRectF(0, h * 0.72, w, h * 0.28), lake);
    p.setPen(QPen(QColor(255, 255, 255, 90), 3));
    for (int i = 0; i < 12; ++i)
        p.drawLine(QPointF(w * (0.1 + 0.07 * i), h * (0.76 + 0.018 * i)), QPointF(w * (0.18 + 0.07 * i), h * (0.76 + 0.018 * i)));
    return image;
}

QImage autumnWood()
{
    QImage image = canvas(kLandscape);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    sky(p, {0, 0, w, h}, QColor(250, 225, 170), QColor(235, 190, 120));
    p.fillRect(QRectF(0, h * 0.75, w, h * 0.25), QColor(150, 90, 40));
    QRandomGenerator random(21);
    for (int t = 0; t < 9; ++t) {
        const double x = w * (0.05 + 0.11 * t) + random.bounded(40.0);
        p.fillRect(QRectF(x - 14, h * 0.35, 28, h * 0.42), QColor(90, 60, 40));
        for (int leaf = 0; leaf < 60; ++leaf) {
            const QColor colours[] = {QColor(220, 90, 30, 190), QColor(240, 170, 40, 190), QColor(190, 50, 30, 190)};
            p.setPen(Qt::NoPen);
            p.setBrush(colours[leaf % 3]);
            p.drawEllipse(QPointF(x + random.bounded(260.0) - 130, h * 0.3 + random.bounded(220.0) - 110), 26, 20);
        }
    }
    for (int leaf = 0; leaf < 120; ++leaf) {
        p.setBrush(QColor(230, 120 + int(random.bounded(80)), 40));
        p.drawEllipse(QPointF(random.bounded(w), h * 0.77 + random.bounded(h * 0.22)), 12, 7);
    }
    return image;
}

QImage balloons()
{
    QImage image = canvas(kLandscape);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    sky(p, {0, 0, w, h}, QColor(80, 150, 230), QColor(200, 230, 250));
    for (int c = 0; c < 5; ++c)
        glow(p, {w * (0.15 + 0.2 * c), h * (0.2 + 0.12 * (c % 2))}, 120, QColor(255, 255, 255, 160));
    ridge(p, image.size(), h * 0.9, h * 0.06, QColor(90, 150, 80), 31);
    const QColor colours[] = {QColor(230, 70, 70), QColor(250, 200, 60), QColor(80, 180, 120), QColor(150, 90, 200)};
    for (int b = 0; b < 4; ++b) {
        const QPointF centre(w * (0.18 + 0.22 * b), h * (0.35 + 0.1 * ((b * 3) % 4)));
        const double r = 90 - b * 10;
        p.setPen(QPen(QColor(80, 60, 40), 3));
        p.drawLine(centre + QPointF(-r * 0.4, r * 0.9), centre + QPointF(-r * 0.2, r * 1.5));
        p.drawLine(centre + QPointF(r * 0.4, r * 0.9), centre + QPointF(r * 0.2, r * 1.5));
        p.setPen(Qt::NoPen);
        p.setBrush(colours[b]);
        p.drawEllipse(centre, r, r * 1.1);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(centre + QPointF(-r * 0.35, -r * 0.4), r * 0.25, r * 0.35);
        p.setBrush(QColor(140, 90, 50));
        p.drawRect(QRectF(centre.x() - r * 0.22, centre.y() + r * 1.5, r * 0.44, r * 0.3));
    }
    return image;
}

QImage flowerPath()
{
    QImage image = canvas(kPortrait);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    sky(p, {0, 0, w, h * 0.4}, QColor(120, 190, 240), QColor(230, 245, 250));
    sky(p, {0, h * 0.4, w, h * 0.6}, QColor(120, 190, 90), QColor(60, 130, 50));
    QPainterPath path(QPointF(w * 0.48, h * 0.4));
    path.cubicTo(QPointF(w * 0.3, h * 0.6), QPointF(w * 0.8, h * 0.75), QPointF(w * 0.35, h));
    path.lineTo(w * 0.75, h);
    path.cubicTo(QPointF(w * 1.0, h * 0.75), QPointF(w * 0.45, h * 0.6), QPointF(w * 0.52, h * 0.4));
    p.fillPath(path, QColor(220, 200, 160));
    QRandomGenerator random(41);
    const QColor petals[] = {QColor(240, 90, 140), QColor(250, 220, 80), QColor(255, 255, 255), QColor(180, 110, 220)};
    for (int f = 0; f < 900; ++f) {
        const double y = h * 0.42 + random.bounded(h * 0.58);
        const double x = random.bounded(w);
        const double size = 3 + (y - h * 0.4) / h * 26;
        p.setPen(Qt::NoPen);
        p.setBrush(petals[f % 4]);
        p.drawEllipse(QPointF(x, y), size, size * 0.8);
    }
    return image;
}

QImage moonlitNight()
{
    QImage image = canvas(kPortrait);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width(), h = image.height();
    sky(p, {0, 0, w, h}, QColor(10, 15, 45), QColor(40, 50, 100));
    QRandomGenerator random(51);
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 300; ++s) {
        p.setBrush(QColor(255, 255, 230, 120 + int(random.bounded(135))));
        const double r = 0.8 + random.bounded(2.2);
        p.drawEllipse(QPointF(random.bounded(w), random.bounded(h * 0.7)), r, r);
    }
    glow(p, {w * 0.68, h * 0.22}, 260, QColor(255, 250, 210, 120));
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(w * 0.68, h * 0.22), 120, 120);
    ridge(p, image.size(), h * 0.8, h * 0.08, QColor(20, 30, 40), 52);
    return image;
}

} // namespace

std::vector<SamplePhoto> samplePhotos()
{
    return {
        {u"01-海边日落.jpg"_s, sunsetBySea(), false},
        {u"02-湖光山色.jpg"_s, mountainLake(), true},
        {u"03-花间小路.jpg"_s, flowerPath(), true},
        {u"04-秋日树林.jpg"_s, autumnWood(), false},
        {u"05-月夜.jpg"_s, moonlitNight(), false},
        {u"06-热气球.jpg"_s, balloons(), false},
    };
}

QByteArray encodeSamplePhoto(const SamplePhoto &photo)
{
    if (!photo.storedSideways)
        return encodeJpeg(photo.picture, {JpegColour::Rgb, false, 0, 90});
    // Orientation 6 tells viewers to turn the stored picture a quarter to the right.
    const QImage stored = photo.picture.transformed(QTransform().rotate(-90));
    return encodeJpeg(stored, {JpegColour::Rgb, false, 6, 90});
}

} // namespace velumo::samples
