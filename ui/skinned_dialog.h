#pragma once

#include "ui/skin_pictures.h"

#include <QDialog>

class QLabel;

namespace velumo::ui {

class TitleButtonLabel;

// Style sheet for push buttons on skinned windows: dark bronze gradient, gold border,
// white 宋体 text, brighter on hover, sunken when pressed.
QString skinnedButtonStyle();

// Style sheet for progress bars on skinned windows: a dark groove with a gold chunk and
// light 宋体 percentage text.
QString skinnedProgressStyle();

// A centred, word-wrapped message label in light 宋体 of `pixelSize`, for dialog bodies.
QLabel *skinnedMessageLabel(QWidget *parent, int pixelSize);

// A borderless dialog drawing its own title bar from the skin pictures: left end, stretched
// middle, right end with the close mark, the caption at (10, 10), and a bottom strip
// across the whole width. Content goes into body(), the area between the two.
class SkinnedDialog : public QDialog
{
    Q_OBJECT

public:
    SkinnedDialog(const QString &objectName, const QString &caption, const SkinPictures &skin,
                  QWidget *parent = nullptr);

    QWidget *body() const { return m_body; }
    const SkinPictures &skin() const { return m_skin; }

    // Size of the whole window, title bar and bottom strip included.
    void setClientSize(int width, int height);
    // Centres the window on its parent's screen, or on the primary screen.
    void centreOnScreen();

protected:
    // The close label was clicked. Rejects the dialog, so a dialog with a "取消" button
    // treats the close mark like that button.
    virtual void closeLabelClicked();

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyChrome();
    void layoutChrome();

    SkinPictures m_skin;
    QLabel *m_left = nullptr;
    QLabel *m_middle = nullptr;
    QLabel *m_right = nullptr;
    QLabel *m_bottom = nullptr;
    QWidget *m_body = nullptr;
    QLabel *m_caption = nullptr;
    TitleButtonLabel *m_close = nullptr;
};

} // namespace velumo::ui
