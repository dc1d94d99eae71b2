#include "app/windows/media_panel_view.h"

#include "app/panels/drop_target.h"
#include "app/panels/item_exchange.h"
#include "app/panels/thumbnail_grid.h"
#include "app/project/form1_state.h"
#include "app/windows/panel_pieces.h"

#include <QCursor>
#include <QFileInfo>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const QColor kHoverColour(128, 128, 0);   // olive
const QColor kSelectionColour(0, 255, 0); // lime
constexpr int kWheelStep = 90;

QString scrollPieceName(MediaKind kind, int piece)
{
    const QString middle = kind == MediaKind::Photos ? QString()
                           : kind == MediaKind::Music ? u"yinyue_"_s
                                                      : u"geci_"_s;
    return u"Image_jindutiao_"_s + middle + QString::number(piece);
}

QString frameSuffix(MediaKind kind)
{
    return kind == MediaKind::Photos ? u"xiangpian"_s : kind == MediaKind::Music ? u"yinyue"_s : u"geci"_s;
}

QLabel *scrollPiece(QWidget *parent, const QString &name, const QPixmap &picture, bool stretched)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setScaledContents(stretched);
    label->setFixedWidth(picture.width());
    label->hide();
    return label;
}

} // namespace

MediaPanelView::MediaPanelView(MediaKind kind, Form1State &form1, const ProgramFolder &program,
                               const ui::PanelPictures &pictures, QWidget *parent)
    : QFrame(parent)
    , m_kind(kind)
    , m_form1(form1)
    , m_program(program)
    , m_inner(new QWidget(this))
    , m_pointerTracker(new QTimer(this))
{
    setObjectName(frameName(kind));
    m_inner->setObjectName(innerPanelName(kind));
    m_inner->setMouseTracking(true);

    const QString suffix = frameSuffix(kind);
    m_hoverFrame = new MarkerFrame(u"Shape_"_s + suffix, kHoverColour, m_inner);
    m_selectionFrame = new MarkerFrame(u"Shape_"_s + suffix + u"_xuanzhong"_s, kSelectionColour, m_inner);

    m_scrollTop = scrollPiece(this, scrollPieceName(kind, 0), pictures.scrollTopCap, false);
    m_scrollBody = scrollPiece(this, scrollPieceName(kind, 1), pictures.scrollBody, true);
    m_scrollBottom = scrollPiece(this, scrollPieceName(kind, 2), pictures.scrollBottomCap, false);
    for (QLabel *piece : {m_scrollTop, m_scrollBody, m_scrollBottom})
        piece->installEventFilter(this);

    m_list = new QTableWidget(this);
    m_list->setObjectName(mediaTables(form1, kind).list.name());
    m_list->setStyleSheet(ui::reportListStyle());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAlternatingRowColors(true);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(24);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->hide();
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) {
        if (hasThumbnailFile(row))
            emit itemChosen(row);
    });
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this](int row) { emit itemActivated(row); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { emit contextMenuWanted(m_list->viewport()->mapToGlobal(at)); });

    if (kind == MediaKind::Photos) {
        m_idle = new IdlePlaceholders(pictures.placeholder, pictures.placeholderLit, this);
        m_idle->start();
    }

    m_pointerTracker->setObjectName(u"Timer_zuobiao"_s);
    m_pointerTracker->setInterval(1);
    connect(m_pointerTracker, &QTimer::timeout, this, &MediaPanelView::trackPointer);
}

QWidget *MediaPanelView::thumbnail(int index) const
{
    return index >= 0 && index < thumbnailCount() ? m_thumbnails[std::size_t(index)] : nullptr;
}

QSize MediaPanelView::cellSize() const
{
    return thumbnailSize(m_form1, m_kind);
}

bool MediaPanelView::hasThumbnailFile(int row) const
{
    return QFileInfo::exists(thumbnailFile(m_program, m_form1, m_kind, row + 1));
}

void MediaPanelView::createThumbnails()
{
    const int count = mediaTables(m_form1, m_kind).controlCount.number();
    const QString prefix = thumbnailNamePrefix(m_kind);
    for (int i = 0; i < count; ++i) {
        auto *control = new ThumbnailPicture(prefix + QString::number(i), cellSize(), m_inner);
        control->loadPicture(thumbnailFile(m_program, m_form1, m_kind, i + 1));
        control->installEventFilter(this);
        control->show();
        m_thumbnails.push_back(control);
    }
    arrange();
}

void MediaPanelView::destroyThumbnails()
{
    m_pointerTracker->stop();
    m_hoveredName.clear();
    m_dragArmed = false;
    for (ThumbnailPicture *control : m_thumbnails)
        delete control;
    m_thumbnails.clear();
    m_places.clear();
    hideFrames();
    m_bar = {};
    placeScrollBar();
    m_inner->setGeometry(0, 0, std::max(0, width() - kScrollBarWidth), height());
}

void MediaPanelView::arrange()
{
    if (mediaTables(m_form1, m_kind).list.rowCount() == 0)
        return;
    layoutGrid(false);
}

void MediaPanelView::layoutGrid(bool keepSelection)
{
    if (!keepSelection) {
        m_form1.Edit_xiangpian_down_id.setText(u"wu"_s);
        hideFrames();
    }
    const GridArrangement grid = arrangeGrid(thumbnailCount(), cellSize(), size());
    m_places = grid.positions;
    for (int i = 0; i < thumbnailCount(); ++i) {
        ThumbnailPicture *control = m_thumbnails[std::size_t(i)];
        control->move(m_places[std::size_t(i)]);
        if (m_kind == MediaKind::Photos && !keepSelection)
            control->loadPicture(thumbnailFile(m_program, m_form1, m_kind, i + 1));
    }
    m_inner->setGeometry(0, 0, grid.innerWidth, grid.innerHeight);
    m_bar = layoutScrollBar(height(), grid.innerHeight, ui::kScrollCapHeight);
    placeScrollBar();
    if (keepSelection && m_selectionFrame->isVisible()) {
        bool ok = false;
        const int selected = m_form1.Edit_xiangpian_down_id.text().toInt(&ok);
        if (QWidget *control = ok ? thumbnail(selected) : nullptr)
            m_selectionFrame->setGeometry(control->geometry());
    }
    m_hoverFrame->hide();
}

void MediaPanelView::placeScrollBar()
{
    const bool shown = m_bar.visible && thumbnailCount() > 0;
    for (QLabel *piece : {m_scrollTop, m_scrollBody, m_scrollBottom})
        piece->setVisible(shown);
    if (!shown)
        return;
    m_scrollTop->setFixedHeight(m_bar.capHeight);
    m_scrollBody->setFixedHeight(m_bar.bodyHeight);
    m_scrollBottom->setFixedHeight(m_bar.capHeight);
    placeStack(0);
    update();
}

void MediaPanelView::placeStack(int stackTop)
{
    const int left = width() - m_scrollTop->width();
    m_scrollTop->move(left, stackTop);
    m_scrollBody->move(left, stackTop + m_bar.capHeight);
    m_scrollBottom->move(left, stackTop + m_bar.capHeight + m_bar.bodyHeight);
    for (QLabel *piece : {m_scrollTop, m_scrollBody, m_scrollBottom})
        piece->raise();
}

void MediaPanelView::reloadPictures()
{
    for (int i = 0; i < thumbnailCount(); ++i)
        m_thumbnails[std::size_t(i)]->loadPicture(thumbnailFile(m_program, m_form1, m_kind, i + 1));
}

void MediaPanelView::refreshList()
{
    const StringTable &table = mediaTables(m_form1, m_kind).list;
    m_list->clear();
    m_list->setColumnCount(table.columnCount());
    m_list->setHorizontalHeaderLabels(table.columnCaptions());
    m_list->setRowCount(table.rowCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            m_list->setItem(row, column, new QTableWidgetItem(table.cell(row, column)));
    }
    m_list->resizeColumnsToContents();
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->setColumnWidth(column, std::max(m_list->columnWidth(column) + 16, 64));
}

void MediaPanelView::showIconMode()
{
    m_list->hide();
    m_form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
}

void MediaPanelView::showListMode()
{
    refreshList();
    m_list->setGeometry(rect());
    m_list->raise();
    m_list->show();
    m_form1.Edit_tubiao_liebiao.setText(u"liebiao"_s);
}

bool MediaPanelView::inListMode() const
{
    return m_list->isVisible();
}

void MediaPanelView::hideFrames()
{
    m_hoverFrame->hide();
    m_selectionFrame->hide();
}

int MediaPanelView::selectedRow() const
{
    if (m_form1.Edit_tubiao_liebiao.text() == u"liebiao"_s) {
        const QList<QTableWidgetSelectionRange> ranges = m_list->selectedRanges();
        return ranges.isEmpty() ? -1 : ranges.front().topRow();
    }
    bool ok = false;
    const int index = m_form1.Edit_xiangpian_down_id.text().toInt(&ok);
    return ok && index >= 0 && index < itemTable(m_form1, m_kind).rowCount() ? index : -1;
}

void MediaPanelView::startIdleAnimation()
{
    if (m_idle != nullptr) {
        m_idle->setGeometry(rect());
        m_idle->start();
    }
}

void MediaPanelView::stopIdleAnimation()
{
    if (m_idle != nullptr)
        m_idle->stop();
}

bool MediaPanelView::idleAnimationRunning() const
{
    return m_idle != nullptr && m_idle->running();
}

void MediaPanelView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_idle != nullptr)
        m_idle->setGeometry(rect());
    m_list->setGeometry(rect());
    if (thumbnailCount() > 0)
        layoutGrid(true);
    else
        m_inner->setGeometry(0, 0, std::max(0, width() - kScrollBarWidth), height());
}

void MediaPanelView::wheelEvent(QWheelEvent *event)
{
    if (!m_bar.scrollable() || inListMode()) {
        QFrame::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    const ScrollPosition position = scrollGridTo(m_bar, m_inner->y() + steps * kWheelStep);
    m_inner->move(0, position.innerTop);
    placeStack(position.stackTop);
    event->accept();
}

void MediaPanelView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ui::skin::kBackground);
    if (!m_scrollBody->isVisible())
        return;
    // The track the scroll bar runs in.
    const QRect track(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
    p.fillRect(track, QColor(22, 18, 13));
    p.fillRect(QRect(track.left(), 0, 1, height()), QColor(58, 46, 32));
}

bool MediaPanelView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollTop || watched == m_scrollBody || watched == m_scrollBottom)
        return scrollPieceEvent(event);
    auto *control = dynamic_cast<ThumbnailPicture *>(watched);
    if (control != nullptr && control->parent() == m_inner) {
        const auto found = std::find(m_thumbnails.begin(), m_thumbnails.end(), control);
        if (found != m_thumbnails.end())
            return thumbnailEvent(control, int(found - m_thumbnails.begin()), event);
    }
    return QFrame::eventFilter(watched, event);
}

bool MediaPanelView::scrollPieceEvent(QEvent *event)
{
    const auto *mouse = dynamic_cast<QMouseEvent *>(event);
    if (mouse == nullptr)
        return false;
    const int pointerY = mapFromGlobal(mouse->globalPosition().toPoint()).y();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            m_scrollPressed = true;
            m_scrollGrab = pointerY - m_scrollBody->y();
        }
        return true;
    case QEvent::MouseMove:
        if (m_scrollPressed) {
            const ScrollPosition position = dragScrollBar(m_bar, pointerY - m_scrollGrab);
            placeStack(position.stackTop);
            m_inner->move(0, position.innerTop);
        }
        return true;
    case QEvent::MouseButtonRelease:
        m_scrollPressed = false;
        return true;
    default:
        return false;
    }
}

bool MediaPanelView::thumbnailEvent(ThumbnailPicture *control, int index, QEvent *event)
{
    const bool answeringPreview = m_form1.Edit_shuangji_yulan_or_qitacaozuo.text() == u"shuangji_yulan"_s;
    switch (event->type()) {
    case QEvent::MouseMove: {
        m_form1.Edit_shuangji_yulan_or_qitacaozuo.setText(u"qita_caozuo"_s);
        if (!m_dragArmed) {
            hover(control, index);
        } else {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            m_hoverFrame->hide();
            control->move(m_inner->mapFromGlobal(mouse->globalPosition().toPoint()) - m_grab);
            control->raise();
        }
        return true;
    }
    case QEvent::MouseButtonPress: {
        if (answeringPreview)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_dragArmed = true;
            m_grab = mouse->position().toPoint();
            m_dragStart = control->pos();
        }
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            select(control, index);
            if (hasThumbnailFile(index))
                emit itemChosen(index);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (answeringPreview)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            select(control, index);
        else if (mouse->button() == Qt::LeftButton && m_dragArmed)
            drop(control, index);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        m_dragArmed = false;
        emit itemActivated(index);
        return true;
    case QEvent::ContextMenu:
        emit contextMenuWanted(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

void MediaPanelView::hover(ThumbnailPicture *control, int index)
{
    m_hoverFrame->setGeometry(control->geometry());
    m_hoverFrame->raise();
    m_hoverFrame->show();
    if (m_hoveredName != control->objectName()) {
        m_hoveredName = control->objectName();
        emit itemHovered(index);
    }
    m_pointerTracker->start();
}

void MediaPanelView::select(ThumbnailPicture *control, int index)
{
    m_selectionFrame->setGeometry(control->geometry());
    m_selectionFrame->raise();
    m_selectionFrame->show();
    m_form1.Edit_xiangpian_down_id.setText(QString::number(index));
}

void MediaPanelView::drop(ThumbnailPicture *control, int index)
{
    m_dragArmed = false;
    const QPoint droppedAt = control->pos();
    control->move(m_dragStart);
    const std::vector<int> partners = dropPartners(index, droppedAt, m_places);
    if (!partners.empty()) {
        const auto exchange = [&] { dropItem(m_form1, m_program, m_kind, index, partners); };
        const bool exchanged = m_run ? m_run(exchange) : (exchange(), true);
        if (exchanged) {
            reloadPictures();
            // The selection follows the item the user moved.
            if (QWidget *partner = thumbnail(partners.back())) {
                m_selectionFrame->setGeometry(partner->geometry());
                m_form1.Edit_xiangpian_down_id.setText(QString::number(partners.back()));
            }
        }
    }
    m_hoverFrame->setGeometry(m_selectionFrame->geometry());
    m_hoverFrame->raise();
    m_hoverFrame->show();
    m_selectionFrame->raise();
}

void MediaPanelView::trackPointer()
{
    const QWidget *control = m_hoveredName.isEmpty() ? nullptr : m_inner->findChild<QWidget *>(m_hoveredName);
    if (control != nullptr && !m_dragArmed) {
        const QPoint at = control->mapFromGlobal(QCursor::pos());
        if (at.x() >= 0 && at.y() >= 0 && at.x() <= control->width() && at.y() <= control->height())
            return;
    } else if (control != nullptr) {
        return;
    }
    m_pointerTracker->stop();
    m_hoveredName.clear();
    m_hoverFrame->hide();
    emit pointerLeftItem();
}

} // namespace velumo
