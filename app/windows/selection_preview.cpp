#include "app/windows/selection_preview.h"

#include "app/panels/preview_fit.h"

#include <QImageReader>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

SelectionPreview::SelectionPreview(QWidget *parent)
    : ui::SkinnedPanel(u"suiPanel_xuanzhong_xiangpian_yulan"_s, u"        缩略图预览"_s, parent)
    , m_picture(new QLabel(this))
{
    m_picture->setObjectName(u"Image_chakanxiangpian"_s);
    m_picture->setAlignment(Qt::AlignCenter);
}

void SelectionPreview::resizeEvent(QResizeEvent *event)
{
    ui::SkinnedPanel::resizeEvent(event);
    const int top = kHeaderHeight + 4;
    m_picture->setGeometry((width() - kPictureBox.width()) / 2, top, kPictureBox.width(),
                           std::min(kPictureBox.height(), height() - top - 4));
}

void SelectionPreview::showPhoto(const QString &file, QSize size, bool landscape, const QString &thumbnail)
{
    const QSize fitted = fitPreview(size, landscape, kPictureBox);
    QImageReader reader(file);
    reader.setAutoTransform(true);
    if (fitted.isValid())
        reader.setScaledSize(fitted);
    QImage photo = reader.read();
    if (photo.isNull()) {
        QImageReader fallback(thumbnail);
        photo = fallback.read();
    }
    showFitted(photo, fitted);
}

void SelectionPreview::showCard(const QString &file)
{
    QImageReader reader(file);
    showFitted(reader.read(), fitPreview(QSize(150, 150), true, kPictureBox));
}

void SelectionPreview::showFitted(const QImage &image, QSize fitted)
{
    if (image.isNull()) {
        m_picture->clear();
        return;
    }
    const QSize shown = fitted.isValid() ? image.size().scaled(fitted, Qt::KeepAspectRatio) : image.size();
    m_picture->setPixmap(QPixmap::fromImage(image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void SelectionPreview::reset()
{
    setTitle(u"        缩略图预览"_s);
    m_picture->clear();
}

void SelectionPreview::setPictureVisible(bool visible)
{
    m_picture->setVisible(visible);
}

} // namespace velumo
