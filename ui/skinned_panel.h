#pragma once

#include <QFrame>

namespace velumo::ui {

// A titled panel of the main window's columns: a bronze header band with the title in gold
// and a dark body, framed like the title bar.
class SkinnedPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kHeaderHeight = 24;

    SkinnedPanel(const QString &objectName, const QString &title, QWidget *parent);

    void setTitle(const QString &title);
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
};

// Icons of the left command column, drawn in code: 0 photos, 1 music, 2 lyrics, 3 length,
// 4 text effects, 5 settings, 6-8 discs, 9 film.
QIcon commandIcon(int index);

} // namespace velumo::ui
