#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QTimer;

namespace velumo {

// One thumbnail of a media panel: its picture centred on a card of the cell's size.
class ThumbnailPicture : public QLabel
{
public:
    ThumbnailPicture(const QString &objectName, QSize size, QWidget *parent);
    // Loads the file; a missing or unreadable file leaves the picture as it was.
    void loadPicture(const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The dotted hover or selection frame around a thumbnail. Never catches the mouse.
class MarkerFrame : public QWidget
{
public:
    MarkerFrame(const QString &objectName, const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

// The empty photo area: rows of empty photo slots, one of them lit in turn, and an invitation
// to add photos.
class IdlePlaceholders : public QWidget
{
public:
    IdlePlaceholders(const QPixmap &slot, const QPixmap &litSlot, QWidget *parent);

    void start();
    void stop();
    bool running() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_slot;
    QPixmap m_litSlot;
    QTimer *m_timer;
    int m_lit = 0;
};

// A label that acts on a left click: the area labels under the media frame.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel(const QString &objectName, const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace velumo
