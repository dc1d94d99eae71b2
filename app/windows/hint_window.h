#pragma once

#include "app/panels/hint_fade.h"

#include <QStringList>
#include <QWidget>

class QTimer;

namespace velumo {

// A fading hint: Form30 explains the main window's buttons, Form31 to Form33 describe the
// hovered item of the photo, music and lyric panels. Borderless, rounded, alpha-blended,
// white text on deep magenta; it appears 2 seconds after the request, near the pointer.
class HintWindow : public QWidget
{
    Q_OBJECT

public:
    HintWindow(const QString &objectName, const QString &caption, QWidget *parent);

    // Shows `lines` after the delay, dropping whatever hint was pending or shown.
    void requestHint(const QStringList &lines);
    // The pointer left a button: a shown hint fades out, a pending one never appears.
    void fadeAway();
    // The pointer left an item: gone at once.
    void closeNow();

    QStringList lines() const { return m_lines; }
    const HintFade &fade() const { return m_fade; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fadeInTick();
    void fadeOutTick();
    void apply();
    QSize contentSize() const;

    HintFade m_fade;
    QStringList m_lines;
    QTimer *m_fadeIn;
    QTimer *m_fadeOut;
};

} // namespace velumo
