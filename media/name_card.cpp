#include "media/name_card.h"

#include "app/base/failure.h"
#include "app/workspace/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const QRect kLabelRect(5, 98, 124, 12);

QFont songTi(int pixelSize)
{
    QFont font(u"宋体"_s);
    font.setPixelSize(pixelSize);
    return font;
}

void drawBackground(QPainter &p)
{
    QLinearGradient fill(0, 0, 0, kNameCardHeight);
    fill.setColorAt(0, QColor(72, 50, 34));
    fill.setColorAt(0.8, QColor(34, 26, 19));
    fill.setColorAt(1, QColor(24, 19, 14));
    p.fillRect(QRect(0, 0, kNameCardWidth, kNameCardHeight), fill);
    QRadialGradient glow(QPointF(65, 46), 52);
    glow.setColorAt(0, QColor(232, 190, 112, 90));
    glow.setColorAt(1, QColor(232, 190, 112, 0));
    p.fillRect(QRect(0, 0, kNameCardWidth, 96), glow);
    p.setPen(QColor(176, 136, 72));
    p.drawRect(QRect(0, 0, kNameCardWidth - 1, kNameCardHeight - 1));
}

// Two beamed eighth notes.
void drawNotes(QPainter &p)
{
    const QColor gold(240, 204, 128);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.save();
    for (const QPointF centre : {QPointF(50, 70), QPointF(82, 64)}) {
        p.save();
        p.translate(centre);
        p.rotate(-20);
        p.drawEllipse(QRectF(-9, -6, 18, 12));
        p.restore();
    }
    p.restore();
    p.fillRect(QRectF(57, 26, 4, 44), gold);
    p.fillRect(QRectF(89, 20, 4, 44), gold);
    QPainterPath beam;
    beam.moveTo(57, 26);
    beam.lineTo(93, 20);
    beam.lineTo(93, 30);
    beam.lineTo(57, 36);
    beam.closeSubpath();
    p.drawPath(beam);
}

// A lyric sheet: a page with text lines and a small note in its corner.
void drawSheet(QPainter &p)
{
    const QColor paper(246, 236, 214);
    const QColor ink(120, 88, 52);
    p.setPen(QPen(QColor(176, 136, 72), 1));
    p.setBrush(paper);
    QPainterPath page;
    page.moveTo(40, 16);
    page.lineTo(80, 16);
    page.lineTo(92, 28);
    page.lineTo(92, 86);
    page.lineTo(40, 86);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 6; ++i) {
        const int width = (i % 3 == 2) ? 26 : 38;
        p.drawRect(QRect(47, 32 + i * 8, width, 3));
    }
    p.drawEllipse(QRectF(74, 68, 9, 6));
    p.fillRect(QRectF(81, 54, 2, 17), ink);
}

QString folderRelative(NameCardKind kind)
{
    return kind == NameCardKind::Song ? u"smxcwjj\\tp_wj\\tp_slt_2\\"_s : u"smxcwjj\\tp_wj\\tp_slt_3\\"_s;
}

QString baseName(NameCardKind kind, int number)
{
    return (kind == NameCardKind::Song ? u"tp_slt_2_"_s : u"tp_slt_3_"_s) + QString::number(number);
}

void renameReplacing(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(from))
        return;
    QFile::remove(to);
    QFile::rename(from, to);
}

} // namespace

int nameCardMeasure(const QString &name)
{
    return QFontMetrics(songTi(11)).horizontalAdvance(name);
}

bool nameCardLeftAligned(const QString &name)
{
    return nameCardMeasure(name) >= kNameCardLeftAlignWidth;
}

QImage drawNameCard(NameCardKind kind, const QString &name)
{
    QImage card(kNameCardWidth, kNameCardHeight, QImage::Format_RGB32);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackground(p);
    if (kind == NameCardKind::Song)
        drawNotes(p);
    else
        drawSheet(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::white);
    p.setFont(songTi(12));
    const Qt::Alignment horizontal = nameCardLeftAligned(name) ? Qt::AlignLeft : Qt::AlignHCenter;
    p.setClipRect(kLabelRect);
    p.drawText(kLabelRect, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, name);
    return card;
}

QString nameCardFolder(const ProgramFolder &program, NameCardKind kind)
{
    return program.resolve(folderRelative(kind));
}

QString nameCardPath(const ProgramFolder &program, NameCardKind kind, int number, const QString &extension,
                     bool parked)
{
    const QString prefix = parked ? QString::number(number) + u'_' : QString();
    return program.resolve(folderRelative(kind) + prefix + baseName(kind, number) + extension);
}

void saveNameCard(const ProgramFolder &program, NameCardKind kind, int number, const QString &extension,
                  const QString &name)
{
    const QString path = nameCardPath(program, kind, number, extension);
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QImageWriter writer(path);
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    writer.setFormat(QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("bmp"));
    if (!writer.write(drawNameCard(kind, name)))
        throw Failure(u"无法保存缩略图“%1”：%2"_s.arg(path, writer.errorString()));
}

void renumberNameCards(const ProgramFolder &program, NameCardKind kind, const QString &extension, int deleted,
                       int rowCountBefore, const QList<int> &oldNumbers)
{
    QFile::remove(nameCardPath(program, kind, deleted + 1, extension));
    for (int n = 1; n <= rowCountBefore; ++n)
        renameReplacing(nameCardPath(program, kind, n, extension), nameCardPath(program, kind, n, extension, true));
    for (int r = 0; r < oldNumbers.size(); ++r) {
        const int old = oldNumbers[r];
        renameReplacing(nameCardPath(program, kind, old, extension, true),
                        nameCardPath(program, kind, r + 1, extension));
    }
}

} // namespace velumo
