#pragma once

#include "ui/skinned_panel.h"

class QLabel;

namespace velumo {

// The selection preview box under the command column: the selected item's picture, fitted.
class SelectionPreview : public ui::SkinnedPanel
{
    Q_OBJECT

public:
    static constexpr QSize kPictureBox{160, 150};

    explicit SelectionPreview(QWidget *parent);

    // A photo rendered from its file at the size fitting the box; `size` is the photo's
    // displayed size. A photo that cannot be read any more (moved, deleted) is shown by its
    // thumbnail instead.
    void showPhoto(const QString &file, QSize size, bool landscape, const QString &thumbnail);
    // A name card, fitted as a square picture.
    void showCard(const QString &file);
    // Title "        缩略图预览" and no picture.
    void reset();
    void setPictureVisible(bool visible);
    QLabel *picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFitted(const QImage &image, QSize fitted);

    QLabel *m_picture;
};

} // namespace velumo
