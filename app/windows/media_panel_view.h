#pragma once

#include "app/panels/media_kind.h"
#include "app/panels/scroll_mapping.h"
#include "app/workspace/program_folder.h"
#include "ui/main_skin.h"

#include <QFrame>
#include <QPoint>

#include <functional>
#include <vector>

class QLabel;
class QTableWidget;
class QTimer;

namespace velumo {

class IdlePlaceholders;
class MarkerFrame;
class ThumbnailPicture;

// One media panel of the main window: the rows of its table as a scrolling grid of thumbnails
// (hover, select, drag one onto another to exchange them) or as a report list. It reads and
// writes the project's tables and panel values; what a selection or double-click leads to is
// the main window's business, told through the signals.
class MediaPanelView : public QFrame
{
    Q_OBJECT

public:
    // Runs a user command and reports its failure to the user; returns whether it succeeded.
    using CommandRunner = std::function<bool(const std::function<void()> &)>;

    MediaPanelView(MediaKind kind, Form1State &form1, const ProgramFolder &program,
                   const ui::PanelPictures &pictures, QWidget *parent);

    MediaKind kind() const { return m_kind; }
    void setCommandRunner(CommandRunner runner) { m_run = std::move(runner); }

    // As many thumbnails as the control count says, each loaded from its file, then arranged.
    void createThumbnails();
    void destroyThumbnails();
    // Lays the grid out for the frame's size; clears the selection.
    void arrange();
    // Every thumbnail loaded again from its file.
    void reloadPictures();
    // The list view rebuilt from the panel's list table.
    void refreshList();

    void showIconMode();
    void showListMode();
    bool inListMode() const;

    // Hides the hover and selection frames.
    void hideFrames();
    // The selected item: the list's selected row in list mode, the selected thumbnail in icon
    // mode; -1 when there is none.
    int selectedRow() const;

    // The empty photo area's animation (photo panel only).
    void startIdleAnimation();
    void stopIdleAnimation();
    bool idleAnimationRunning() const;

    int thumbnailCount() const { return int(m_thumbnails.size()); }
    QWidget *thumbnail(int index) const;
    QTableWidget *listView() const { return m_list; }
    QWidget *innerPanel() const { return m_inner; }

signals:
    void itemHovered(int row);
    void pointerLeftItem();
    // An item was pressed (icon mode) or clicked (list mode) and has a picture to preview.
    void itemChosen(int row);
    void itemActivated(int row);
    void contextMenuWanted(QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layoutGrid(bool keepSelection);
    void placeScrollBar();
    void placeStack(int stackTop);
    bool thumbnailEvent(ThumbnailPicture *control, int index, QEvent *event);
    bool scrollPieceEvent(QEvent *event);
    void hover(ThumbnailPicture *control, int index);
    void select(ThumbnailPicture *control, int index);
    void drop(ThumbnailPicture *control, int index);
    void trackPointer();
    bool hasThumbnailFile(int row) const;
    QSize cellSize() const;

    MediaKind m_kind;
    Form1State &m_form1;
    ProgramFolder m_program;
    CommandRunner m_run;

    QWidget *m_inner;
    std::vector<ThumbnailPicture *> m_thumbnails;
    std::vector<QPoint> m_places;
    MarkerFrame *m_hoverFrame;
    MarkerFrame *m_selectionFrame;
    QLabel *m_scrollTop;
    QLabel *m_scrollBody;
    QLabel *m_scrollBottom;
    QTableWidget *m_list;
    IdlePlaceholders *m_idle = nullptr;
    QTimer *m_pointerTracker;

    // Hover and drag state of the panel.
    QString m_hoveredName;
    bool m_dragArmed = false;
    QPoint m_grab;
    QPoint m_dragStart;

    // Scroll bar state.
    ScrollBarLayout m_bar;
    bool m_scrollPressed = false;
    int m_scrollGrab = 0;
};

} // namespace velumo
