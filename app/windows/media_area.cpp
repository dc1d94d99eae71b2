#include "app/windows/media_area.h"

#include "app/panels/item_hint_text.h"
#include "app/project/form1_state.h"
#include "app/windows/hint_window.h"
#include "app/windows/selection_preview.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

MediaArea::MediaArea(QWidget *window, Form1State &form1, const ProgramFolder &program,
                     const ui::PanelPictures &pictures, SelectionPreview &preview)
    : QObject(window)
    , m_form1(form1)
    , m_program(program)
    , m_preview(preview)
{
    for (const MediaKind kind : kAllMediaKinds) {
        auto *view = new MediaPanelView(kind, form1, program, pictures, window);
        m_panels[std::size_t(kind)] = view;
        view->setVisible(kind == MediaKind::Photos);
        connectPanel(view);
    }
}

void MediaArea::connectPanel(MediaPanelView *view)
{
    const MediaKind kind = view->kind();
    connect(view, &MediaPanelView::itemHovered, this, [this, kind](int row) { showItemHint(kind, row); });
    connect(view, &MediaPanelView::pointerLeftItem, this, [this, kind] {
        if (HintWindow *hint = m_hints[std::size_t(kind)])
            hint->closeNow();
    });
    connect(view, &MediaPanelView::itemChosen, this, [this, kind](int row) { preview(kind, row); });
    connect(view, &MediaPanelView::itemActivated, this, [this, kind](int row) {
        closeItemHints();
        emit itemActivated(kind, row);
    });
    connect(view, &MediaPanelView::contextMenuWanted, this,
            [this, kind](QPoint at) { emit contextMenuWanted(kind, at); });
}

void MediaArea::setItemHints(const std::array<HintWindow *, 3> &hints)
{
    for (std::size_t i = 0; i < hints.size(); ++i)
        m_hints[i] = hints[i];
}

void MediaArea::setCommandRunner(const MediaPanelView::CommandRunner &runner)
{
    for (MediaPanelView *view : m_panels)
        view->setCommandRunner(runner);
}

void MediaArea::setGeometry(const QRect &frame)
{
    for (MediaPanelView *view : m_panels)
        view->setGeometry(frame);
}

void MediaArea::rebuild(MediaKind kind)
{
    MediaPanelView *view = panel(kind);
    const MediaTables tables = mediaTables(m_form1, kind);
    m_form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    view->showIconMode();
    view->destroyThumbnails();
    tables.controlCount.setText(QString::number(tables.items.rowCount()));
    view->createThumbnails();
    view->refreshList();
    // The empty photo area's slots would cover the thumbnails.
    if (kind == MediaKind::Photos && tables.items.rowCount() > 0)
        view->stopIdleAnimation();
}

void MediaArea::showArea(MediaKind kind)
{
    closeItemHints();
    m_shown = kind;
    for (MediaPanelView *view : m_panels)
        view->setVisible(view->kind() == kind);
    MediaPanelView *view = panel(kind);
    view->showIconMode();
    view->raise();
    if (kind != MediaKind::Photos) {
        m_form1.Edit_xiangpian_down_id.setText(u"wu"_s);
        view->hideFrames();
    }
    emit areaShown(kind);
}

void MediaArea::setMode(MediaKind kind, bool listMode)
{
    showArea(kind);
    if (listMode)
        panel(kind)->showListMode();
    else
        panel(kind)->showIconMode();
}

void MediaArea::closeItemHints()
{
    for (HintWindow *hint : m_hints) {
        if (hint != nullptr)
            hint->closeNow();
    }
}

int MediaArea::selectedRow(MediaKind kind) const
{
    return kind == m_shown ? panel(kind)->selectedRow() : -1;
}

void MediaArea::showItemHint(MediaKind kind, int row)
{
    HintWindow *hint = m_hints[std::size_t(kind)];
    if (hint == nullptr || row < 0 || row >= itemTable(m_form1, kind).rowCount())
        return;
    hint->requestHint(itemHintLines(m_form1, kind, row));
}

void MediaArea::preview(MediaKind kind, int row)
{
    const QString card = thumbnailFile(m_program, m_form1, kind, row + 1);
    if (!QFileInfo::exists(card) || row < 0 || row >= itemTable(m_form1, kind).rowCount())
        return;
    m_preview.setTitle(previewBoxTitle(kind));
    if (kind == MediaKind::Photos) {
        const StringTable &photos = m_form1.ListView_daoruxiangpian;
        bool wOk = false;
        bool hOk = false;
        const QSize size(photos.cell(row, 4).toInt(&wOk), photos.cell(row, 5).toInt(&hOk));
        m_preview.showPhoto(photos.cell(row, 1), wOk && hOk ? size : QSize(), photos.cell(row, 6) == u"heng_zhao"_s,
                            card);
    } else {
        m_preview.showCard(card);
    }
    m_form1.Edit_Image_chakanxiangpian_T_or_F.setText(u"True"_s);
}

} // namespace velumo
