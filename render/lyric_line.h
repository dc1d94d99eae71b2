#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace velumo {

class StringTable;

// The lyric style window's sample area is this wide; stored lyric sizes are sizes there.
inline constexpr int kLyricStyleReferenceWidth = 513;

// The lyric line as drawn over the frame: its text in the lyric's style, placed in the frame
// by the lyric's alignment. An empty line draws nothing.
class LyricLine
{
public:
    // Restyles the line from lyric table row `row` and places it in an area of `area`
    // (the style of the lyric bound to the song now playing).
    void style(const StringTable &lyrics, int row, QSize area);
    void setText(const QString &text) { m_text = text; }
    void clear() { m_text.clear(); }
    void setVisible(bool visible) { m_visible = visible; }

    const QString &text() const { return m_text; }
    const QFont &font() const { return m_font; }
    QPoint position() const { return m_position; }
    // Label size for the current text and font.
    QSize size() const;

    void paint(QPainter &painter) const;

private:
    QString m_text;
    QFont m_font;
    QColor m_colour = Qt::white;
    QPoint m_position;
    bool m_visible = true;
};

// A colour number as stored in the tables: red + 256 × green + 65536 × blue.
QColor colourFromNumber(int number);

} // namespace velumo
