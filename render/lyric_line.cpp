#include "render/lyric_line.h"

#include "app/tables/string_table.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

// Lyric table columns of the style.
constexpr int kColourNumber = 7;
constexpr int kSize = 8;
constexpr int kFont = 9;
constexpr int kBold = 10;
constexpr int kItalic = 11;
constexpr int kUnderline = 12;
constexpr int kHorizontal = 13;
constexpr int kVertical = 14;
constexpr int kEdgeMargin = 10;

} // namespace

QColor colourFromNumber(int number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

void LyricLine::style(const StringTable &lyrics, int row, QSize area)
{
    m_colour = colourFromNumber(lyrics.cellNumber(row, kColourNumber));
    const int points = int(std::int64_t(lyrics.cellNumber(row, kSize)) * 1920 / kLyricStyleReferenceWidth);
    m_font = QFont(lyrics.cell(row, kFont));
    // Points at 96 dots per inch, rounded as the system rounds them, so the label measures the
    // same on every screen and in every image.
    m_font.setPixelSize(std::max((points * 96 + 36) / 72, 1));
    m_font.setBold(lyrics.cell(row, kBold) == u"cuti"_s);
    m_font.setItalic(lyrics.cell(row, kItalic) == u"xieti"_s);
    m_font.setUnderline(lyrics.cell(row, kUnderline) == u"xiahuaxian"_s);

    const QSize label = size();
    const QString horizontal = lyrics.cell(row, kHorizontal);
    if (horizontal == u"zuobian"_s)
        m_position.setX(kEdgeMargin);
    else if (horizontal == u"juzhong"_s)
        m_position.setX((area.width() - label.width()) / 2);
    else if (horizontal == u"youbian"_s)
        m_position.setX(area.width() - label.width() - kEdgeMargin);
    const QString vertical = lyrics.cell(row, kVertical);
    if (vertical == u"shangmian"_s)
        m_position.setY(kEdgeMargin);
    else if (vertical == u"zhongjian"_s)
        m_position.setY((area.height() - label.height()) / 2);
    else if (vertical == u"xiamian"_s)
        m_position.setY(area.height() - label.height() - kEdgeMargin);
}

QSize LyricLine::size() const
{
    const QFontMetrics metrics(m_font);
    return QSize(metrics.horizontalAdvance(m_text), metrics.height());
}

void LyricLine::paint(QPainter &painter) const
{
    if (!m_visible || m_text.isEmpty())
        return;
    // A thin dark edge keeps a light line readable over a light template, and the reverse.
    QPainterPath glyphs;
    glyphs.addText(m_position.x(), m_position.y() + QFontMetrics(m_font).ascent(), m_font, m_text);
    const QColor edge = m_colour.lightness() > 128 ? QColor(0, 0, 0, 170) : QColor(255, 255, 255, 170);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(glyphs, QPen(edge, std::max(2.0, m_font.pixelSize() / 16.0), Qt::SolidLine, Qt::RoundCap,
                                    Qt::RoundJoin));
    painter.fillPath(glyphs, m_colour);
    painter.restore();
}

} // namespace velumo
