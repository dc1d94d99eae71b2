#include "tools/template_author/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace velumo::author::art {

namespace {

constexpr int kHalfWidth = 960;
constexpr int kHalfHeight = 540;

class Dice
{
public:
    explicit Dice(unsigned seed) : m_engine(seed) {}
    double operator()(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(m_engine); }
    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }

private:
    std::mt19937 m_engine;
};

QImage transparent(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor withAlpha(QColor c, double a)
{
    c.setAlphaF(float(std::clamp(a, 0.0, 1.0)));
    return c;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void boxPass(const QImage &in, QImage &out, int radius, bool horizontal)
{
    const int w = in.width();
    const int h = in.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    const int window = 2 * radius + 1;
    std::vector<int> sum(4);
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> QRgb {
            i = std::clamp(i, 0, length - 1);
            return horizontal ? reinterpret_cast<const QRgb *>(in.constScanLine(line))[i]
                              : reinterpret_cast<const QRgb *>(in.constScanLine(i))[line];
        };
        int a = 0, r = 0, g = 0, b = 0;
        for (int i = -radius; i <= radius; ++i) {
            const QRgb p = pixel(i);
            a += qAlpha(p);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
        for (int i = 0; i < length; ++i) {
            const QRgb value = qRgba(r / window, g / window, b / window, a / window);
            if (horizontal)
                reinterpret_cast<QRgb *>(out.scanLine(line))[i] = value;
            else
                reinterpret_cast<QRgb *>(out.scanLine(i))[line] = value;
            const QRgb leaving = pixel(i - radius);
            const QRgb entering = pixel(i + radius + 1);
            a += qAlpha(entering) - qAlpha(leaving);
            r += qRed(entering) - qRed(leaving);
            g += qGreen(entering) - qGreen(leaving);
            b += qBlue(entering) - qBlue(leaving);
        }
    }
}

void vignetteOver(QImage &image, double strength)
{
    QPainter p(&image);
    const QRectF r = image.rect();
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) / 2);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(r, g);
}

void grain(QImage &image, unsigned seed, double amount)
{
    Dice dice(seed);
    QPainter p(&image);
    const int dots = int(image.width() * image.height() * amount);
    for (int i = 0; i < dots; ++i) {
        const bool light = dice(0, 1) < 0.5;
        p.setPen(light ? QColor(255, 255, 255, dice.integer(6, 22)) : QColor(0, 0, 0, dice.integer(6, 22)));
        p.drawPoint(QPointF(dice(0, image.width()), dice(0, image.height())));
    }
}

QImage halfStage()
{
    QImage image(kHalfWidth, kHalfHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

// Bevelled band: concentric rectangles from the outside in, each with its own gradient.
void bevelBand(QPainter &p, QRectF outer, const std::vector<std::pair<double, QColor>> &bands, bool vertical)
{
    for (const auto &[inset, colour] : bands) {
        const QRectF r = outer.adjusted(inset, inset, -inset, -inset);
        QLinearGradient g(vertical ? r.topLeft() : r.topLeft(), vertical ? r.bottomLeft() : r.bottomRight());
        g.setColorAt(0, colour.lighter(125));
        g.setColorAt(0.5, colour);
        g.setColorAt(1, colour.darker(130));
        p.fillRect(r, g);
    }
}

} // namespace

Palette rosePalette() { return {QColor(86, 30, 52), QColor(196, 98, 124), QColor(255, 214, 222), QColor(255, 176, 140)}; }
Palette goldPalette() { return {QColor(48, 32, 14), QColor(168, 120, 52), QColor(255, 230, 170), QColor(255, 196, 92)}; }
Palette oceanPalette() { return {QColor(10, 38, 72), QColor(36, 122, 168), QColor(200, 236, 255), QColor(120, 220, 230)}; }
Palette forestPalette() { return {QColor(18, 48, 32), QColor(76, 140, 86), QColor(222, 244, 200), QColor(250, 226, 130)}; }
Palette duskPalette() { return {QColor(34, 22, 62), QColor(132, 72, 150), QColor(255, 208, 236), QColor(255, 150, 110)}; }
Palette creamPalette() { return {QColor(120, 96, 70), QColor(226, 208, 180), QColor(252, 246, 234), QColor(214, 150, 110)}; }
Palette nightPalette() { return {QColor(8, 10, 28), QColor(34, 48, 96), QColor(190, 210, 255), QColor(255, 220, 150)}; }

QImage blurred(const QImage &source, double radius)
{
    QImage a = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius < 1)
        return a;
    // Three box passes of this width have the spread of a Gaussian with sigma = radius / 2.
    const double sigma = radius / 2;
    const int box = std::max(1, int(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    QImage b(a.size(), a.format());
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(a, b, box, true);
        boxPass(b, a, box, false);
    }
    return a;
}

QImage bokehBackground(const Palette &palette, unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient base(0, 0, kHalfWidth * 0.3, kHalfHeight);
        base.setColorAt(0, palette.mid);
        base.setColorAt(1, palette.deep);
        p.fillRect(image.rect(), base);
        for (int i = 0; i < 3; ++i) {
            QRadialGradient glowGradient(QPointF(dice(0, kHalfWidth), dice(0, kHalfHeight)), dice(200, 420));
            glowGradient.setColorAt(0, withAlpha(i == 0 ? palette.accent : palette.light, 0.35));
            glowGradient.setColorAt(1, withAlpha(palette.light, 0));
            p.fillRect(image.rect(), glowGradient);
        }
    }
    // Far lights: large and very soft.
    QImage far = transparent(image.size());
    {
        QPainter p(&far);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            const double r = dice(30, 80);
            p.setBrush(withAlpha(dice(0, 1) < 0.5 ? palette.light : palette.accent, dice(0.10, 0.25)));
            p.drawEllipse(QPointF(dice(0, kHalfWidth), dice(0, kHalfHeight)), r, r);
        }
    }
    far = blurred(far, 14);
    // Near lights: smaller discs with a brighter rim.
    QImage near = transparent(image.size());
    {
        QPainter p(&near);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 40; ++i) {
            const double r = dice(8, 26);
            const QPointF c(dice(0, kHalfWidth), dice(0, kHalfHeight));
            const QColor colour = dice(0, 1) < 0.6 ? palette.light : palette.accent;
            QRadialGradient g(c, r);
            g.setColorAt(0, withAlpha(colour, 0.22));
            g.setColorAt(0.85, withAlpha(colour, 0.32));
            g.setColorAt(1, withAlpha(colour, 0.0));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    near = blurred(near, 2.5);
    {
        QPainter p(&image);
        p.drawImage(0, 0, far);
        p.drawImage(0, 0, near);
    }
    vignetteOver(image, 0.45);
    return image;
}

QImage paperBackground(const QColor &base, unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    image.fill(base);
    QImage blotches = transparent(image.size());
    {
        QPainter p(&blotches);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 50; ++i) {
            const bool dark = dice(0, 1) < 0.5;
            p.setBrush(dark ? QColor(120, 90, 50, dice.integer(6, 16)) : QColor(255, 255, 255, dice.integer(10, 26)));
            p.drawEllipse(QPointF(dice(0, kHalfWidth), dice(0, kHalfHeight)), dice(20, 120), dice(20, 90));
        }
    }
    blotches = blurred(blotches, 24);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.drawImage(0, 0, blotches);
        // Fibres.
        for (int i = 0; i < 900; ++i) {
            const QPointF a(dice(0, kHalfWidth), dice(0, kHalfHeight));
            const double angle = dice(0, std::numbers::pi);
            const double len = dice(2, 9);
            p.setPen(QPen(QColor(110, 80, 40, dice.integer(8, 24)), 0.6));
            p.drawLine(a, a + QPointF(std::cos(angle) * len, std::sin(angle) * len));
        }
    }
    grain(image, seed + 1, 0.25);
    {
        QPainter p(&image);
        const QRectF r = image.rect();
        QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) / 2);
        g.setColorAt(0.6, QColor(90, 60, 20, 0));
        g.setColorAt(1.0, QColor(90, 60, 20, 70));
        p.fillRect(r, g);
    }
    return image;
}

QImage woodBackground(unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int planks = 5;
    const double plankHeight = double(kHalfHeight) / planks;
    for (int k = 0; k < planks; ++k) {
        const QRectF plank(0, k * plankHeight, kHalfWidth, plankHeight);
        const QColor tone = mix(QColor(122, 78, 44), QColor(150, 100, 58), dice(0, 1));
        QLinearGradient g(plank.topLeft(), plank.bottomLeft());
        g.setColorAt(0, tone.lighter(108));
        g.setColorAt(1, tone.darker(110));
        p.fillRect(plank, g);
        p.save();
        p.setClipRect(plank);
        const double phase = dice(0, 10);
        for (int line = 0; line < 34; ++line) {
            const double y0 = plank.top() + dice(0, plankHeight);
            QPainterPath grainLine;
            grainLine.moveTo(0, y0);
            for (int x = 0; x <= kHalfWidth; x += 16) {
                const double y = y0 + 3 * std::sin(x / 90.0 + phase + line) + 1.5 * std::sin(x / 23.0 + line * 1.7);
                grainLine.lineTo(x, y);
            }
            p.setPen(QPen(QColor(60, 34, 16, dice.integer(20, 60)), dice(0.5, 1.6)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(grainLine);
        }
        // A knot now and then.
        if (dice(0, 1) < 0.6) {
            const QPointF c(dice(60, kHalfWidth - 60), plank.center().y() + dice(-10, 10));
            for (int ring = 1; ring < 6; ++ring) {
                p.setPen(QPen(QColor(70, 40, 18, 60), 0.9));
                p.drawEllipse(c, ring * 5.0, ring * 2.2);
            }
        }
        p.restore();
        p.setPen(QPen(QColor(40, 22, 10, 200), 1.6));
        p.drawLine(QPointF(0, plank.bottom()), QPointF(kHalfWidth, plank.bottom()));
    }
    p.end();
    grain(image, seed + 7, 0.2);
    vignetteOver(image, 0.55);
    return image;
}

QImage silkBackground(const Palette &palette, unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    {
        QPainter p(&image);
        QLinearGradient base(0, 0, kHalfWidth, kHalfHeight);
        base.setColorAt(0, palette.deep);
        base.setColorAt(0.5, palette.mid);
        base.setColorAt(1, palette.deep);
        p.fillRect(image.rect(), base);
    }
    QImage folds = transparent(image.size());
    {
        QPainter p(&folds);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const double y = dice(-100, kHalfHeight + 100);
            QPainterPath band;
            band.moveTo(-50, y);
            band.cubicTo(kHalfWidth * 0.3, y - dice(60, 200), kHalfWidth * 0.7, y + dice(60, 200), kHalfWidth + 50, y - dice(-40, 40));
            band.lineTo(kHalfWidth + 50, y + 40);
            band.cubicTo(kHalfWidth * 0.7, y + dice(100, 240), kHalfWidth * 0.3, y - dice(20, 160), -50, y + 40);
            band.closeSubpath();
            p.setBrush(withAlpha(i % 2 ? palette.light : Qt::black, i % 2 ? 0.16 : 0.22));
            p.drawPath(band);
        }
    }
    folds = blurred(folds, 22);
    {
        QPainter p(&image);
        p.drawImage(0, 0, folds);
    }
    vignetteOver(image, 0.5);
    return image;
}

QImage starryBackground(unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    {
        QPainter p(&image);
        QLinearGradient base(0, 0, 0, kHalfHeight);
        base.setColorAt(0, QColor(6, 8, 26));
        base.setColorAt(1, QColor(30, 26, 72));
        p.fillRect(image.rect(), base);
    }
    QImage nebula = transparent(image.size());
    {
        QPainter p(&nebula);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 24; ++i) {
            const QPointF c(kHalfWidth * 0.2 + i * 30 + dice(-40, 40), kHalfHeight * 0.7 - i * 14 + dice(-60, 60));
            p.setBrush(i % 3 ? QColor(120, 90, 200, 26) : QColor(230, 120, 170, 22));
            p.drawEllipse(c, dice(40, 110), dice(30, 70));
        }
    }
    nebula = blurred(nebula, 30);
    QPainter p(&image);
    p.drawImage(0, 0, nebula);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const double r = dice(0, 1) < 0.93 ? dice(0.3, 0.8) : dice(0.9, 1.6);
        p.setBrush(QColor(255, 255, dice.integer(220, 255), dice.integer(90, 255)));
        p.drawEllipse(QPointF(dice(0, kHalfWidth), dice(0, kHalfHeight)), r, r);
    }
    return image;
}

QImage watercolourBackground(const Palette &palette, unsigned seed)
{
    Dice dice(seed);
    QImage image = halfStage();
    image.fill(QColor(252, 249, 242));
    QImage wash = transparent(image.size());
    {
        QPainter p(&wash);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QColor colours[] = {palette.light, palette.accent, palette.mid};
        for (int i = 0; i < 36; ++i) {
            // Washes gather at the edges and leave the middle light, where photos sit.
            const double angle = dice(0, 2 * std::numbers::pi);
            const QPointF c(kHalfWidth / 2 + std::cos(angle) * dice(260, 560), kHalfHeight / 2 + std::sin(angle) * dice(200, 360));
            p.setBrush(withAlpha(colours[i % 3], dice(0.10, 0.28)));
            QPainterPath blob;
            const double r = dice(40, 130);
            blob.moveTo(c + QPointF(r, 0));
            for (int k = 1; k <= 8; ++k) {
                const double a = k * std::numbers::pi / 4;
                const double rr = r * dice(0.7, 1.25);
                blob.quadTo(c + QPointF(std::cos(a - 0.4) * rr * 1.1, std::sin(a - 0.4) * rr * 1.1),
                            c + QPointF(std::cos(a) * rr, std::sin(a) * rr));
            }
            blob.closeSubpath();
            p.drawPath(blob);
        }
    }
    wash = blurred(wash, 10);
    QPainter p(&image);
    p.drawImage(0, 0, wash);
    p.end();
    grain(image, seed + 3, 0.15);
    return image;
}

Sprite dropShadow(QSizeF size, double blurRadius, double dx, double dy, double opacity, double cornerRadius)
{
    // Drawn at a quarter of the size: a blurred edge loses nothing when scaled back up.
    constexpr double k = 4;
    const double margin = blurRadius * 1.6 + 4;
    const QSizeF full = size + QSizeF(2 * margin, 2 * margin);
    QImage image = transparent(QSize(int(std::ceil(full.width() / k)), int(std::ceil(full.height() / k))));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, int(255 * opacity)));
        p.drawRoundedRect(QRectF(margin / k, margin / k, size.width() / k, size.height() / k), cornerRadius / k, cornerRadius / k);
    }
    image = blurred(image, blurRadius / k);
    return {image, QRectF(dx - margin, dy - margin, image.width() * k, image.height() * k)};
}

Sprite glow(QSizeF size, double spread, const QColor &colour)
{
    constexpr double k = 4;
    const double margin = spread * 1.8 + 4;
    const QSizeF full = size + QSizeF(2 * margin, 2 * margin);
    QImage image = transparent(QSize(int(std::ceil(full.width() / k)), int(std::ceil(full.height() / k))));
    {
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRect(QRectF(margin / k, margin / k, size.width() / k, size.height() / k));
    }
    image = blurred(image, spread / k);
    return {image, QRectF(-margin, -margin, image.width() * k, image.height() * k)};
}

Sprite giltFrame(QSizeF size, double width)
{
    const QSize full(int(std::ceil(size.width() + 2 * width)), int(std::ceil(size.height() + 2 * width)));
    QImage image = transparent(full);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0, 0, full.width(), full.height());
    const double w = width;
    bevelBand(p, outer,
              {{0, QColor(110, 74, 22)},
               {w * 0.08, QColor(214, 170, 82)},
               {w * 0.22, QColor(246, 214, 130)},
               {w * 0.36, QColor(176, 128, 50)},
               {w * 0.55, QColor(232, 196, 110)},
               {w * 0.78, QColor(120, 82, 28)},
               {w * 0.88, QColor(250, 226, 150)}},
              false);
    // Beads along the middle ridge.
    p.setPen(Qt::NoPen);
    const QRectF ridge = outer.adjusted(w * 0.45, w * 0.45, -w * 0.45, -w * 0.45);
    const double step = std::max(10.0, w * 0.32);
    auto bead = [&](QPointF c) {
        QRadialGradient g(c - QPointF(w * 0.03, w * 0.03), w * 0.09);
        g.setColorAt(0, QColor(255, 240, 190));
        g.setColorAt(1, QColor(150, 104, 36));
        p.setBrush(g);
        p.drawEllipse(c, w * 0.07, w * 0.07);
    };
    for (double x = ridge.left(); x <= ridge.right(); x += step) {
        bead({x, ridge.top()});
        bead({x, ridge.bottom()});
    }
    for (double y = ridge.top() + step; y < ridge.bottom(); y += step) {
        bead({ridge.left(), y});
        bead({ridge.right(), y});
    }
    // Mitred corners catch the light.
    p.setPen(QPen(QColor(90, 60, 18, 150), 1.2));
    p.drawLine(QPointF(0, 0), QPointF(w, w));
    p.drawLine(QPointF(full.width(), 0), QPointF(full.width() - w, w));
    p.drawLine(QPointF(0, full.height()), QPointF(w, full.height() - w));
    p.drawLine(QPointF(full.width(), full.height()), QPointF(full.width() - w, full.height() - w));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRectF(w, w, size.width(), size.height()), Qt::transparent);
    p.end();
    return {image, QRectF(-w, -w, full.width(), full.height())};
}

Sprite woodFrame(QSizeF size, double width)
{
    const QSize full(int(std::ceil(size.width() + 2 * width)), int(std::ceil(size.height() + 2 * width)));
    QImage image = transparent(full);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0, 0, full.width(), full.height());
    const double w = width;
    bevelBand(p, outer,
              {{0, QColor(40, 22, 12)},
               {w * 0.06, QColor(92, 54, 30)},
               {w * 0.30, QColor(70, 40, 22)},
               {w * 0.62, QColor(56, 32, 18)},
               {w * 0.80, QColor(200, 160, 90)},
               {w * 0.90, QColor(60, 36, 20)}},
              true);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRectF(w, w, size.width(), size.height()), Qt::transparent);
    p.end();
    return {image, QRectF(-w, -w, full.width(), full.height())};
}

QImage softLight(double diameter, const QColor &colour)
{
    const int d = int(std::ceil(diameter));
    QImage image = transparent(QSize(d, d));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(d / 2.0, d / 2.0), d / 2.0);
    g.setColorAt(0, withAlpha(colour, 0.55));
    g.setColorAt(0.7, withAlpha(colour, 0.45));
    g.setColorAt(0.86, withAlpha(colour, 0.6));
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, d, d));
    return image;
}

QFont captionFont(int pixelSize, bool serif, bool bold)
{
    QFont font(serif ? QStringLiteral("Noto Serif CJK SC") : QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage caption(const QString &text, const QFont &font, const QColor &fill, const QColor &shadow)
{
    const QFontMetricsF metrics(font);
    const double pad = std::max(8.0, font.pixelSize() * 0.25);
    const QRectF bounds = metrics.boundingRect(text);
    const QSize size(int(std::ceil(bounds.width() + 2 * pad)), int(std::ceil(metrics.height() + 2 * pad)));
    const QPointF baseline(pad - bounds.left(), pad + metrics.ascent());
    QImage shade = transparent(size);
    if (shadow.alpha() > 0) {
        QPainter p(&shade);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(font);
        p.setPen(shadow);
        p.drawText(baseline + QPointF(0, font.pixelSize() * 0.04), text);
        p.end();
        shade = blurred(shade, font.pixelSize() * 0.08);
    }
    QImage image = shade;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath glyphs;
    glyphs.addText(baseline, font, text);
    QLinearGradient g(0, pad, 0, size.height() - pad);
    g.setColorAt(0, fill.lighter(115));
    g.setColorAt(1, fill.darker(108));
    p.fillPath(glyphs, g);
    return image;
}

QImage tape(QSizeF size, const QColor &colour, unsigned seed)
{
    Dice dice(seed);
    QImage image = transparent(QSize(int(std::ceil(size.width())), int(std::ceil(size.height()))));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape;
    const double w = size.width(), h = size.height();
    // Torn ends: a zig-zag on the short sides.
    shape << QPointF(0, 0) << QPointF(w, 0);
    for (double y = 0; y < h; y += 5)
        shape << QPointF(w - dice(0, 4), y + 2.5);
    shape << QPointF(w, h) << QPointF(0, h);
    for (double y = h; y > 0; y -= 5)
        shape << QPointF(dice(0, 4), y - 2.5);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, withAlpha(colour.lighter(110), 0.80));
    g.setColorAt(1, withAlpha(colour, 0.70));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(shape);
    return image;
}

} // namespace velumo::author::art
