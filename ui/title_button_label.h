#pragma once

#include <QLabel>
#include <QPixmap>

namespace velumo::ui {

// A transparent label laid over a title-bar picture. It swaps that picture for the hover
// picture when the pointer enters, the pressed picture on a left press and the normal
// picture when the pointer leaves; a left release over it shows the hover picture and
// emits clicked(). A release elsewhere cancels the click.
class TitleButtonLabel : public QLabel
{
    Q_OBJECT

public:
    TitleButtonLabel(QLabel *picture, QWidget *parent = nullptr);

    void setPictures(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed);
    // Back to the normal picture, e.g. when the window is shown again.
    void resetPicture();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_picture;
    QPixmap m_normal;
    QPixmap m_hover;
    QPixmap m_pressed;
    bool m_pressedDown = false;
};

} // namespace velumo::ui
