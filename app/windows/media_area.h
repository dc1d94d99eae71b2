#pragma once

#include "app/panels/media_kind.h"
#include "app/windows/media_panel_view.h"

#include <QObject>
#include <QPointer>

#include <array>

namespace velumo {

class HintWindow;
class SelectionPreview;

// The centre of the main window: the three media panels in one frame, one of them shown, with
// the item hints and the selection preview box that go with them.
class MediaArea : public QObject
{
    Q_OBJECT

public:
    MediaArea(QWidget *window, Form1State &form1, const ProgramFolder &program, const ui::PanelPictures &pictures,
              SelectionPreview &preview);

    void setItemHints(const std::array<HintWindow *, 3> &hints);
    void setCommandRunner(const MediaPanelView::CommandRunner &runner);
    void setGeometry(const QRect &frame);

    MediaPanelView *panel(MediaKind kind) const { return m_panels[std::size_t(kind)]; }
    MediaKind shownArea() const { return m_shown; }

    // The import pattern: icon mode, thumbnails made again for the table's row count.
    void rebuild(MediaKind kind);
    // Shows one panel's grid and hides the others; music and lyrics start without a selection.
    void showArea(MediaKind kind);
    void setMode(MediaKind kind, bool listMode);
    void closeItemHints();
    // The selected row of `kind`'s panel when it is the one shown, otherwise none.
    int selectedRow(MediaKind kind) const;
    // Shows item `row` of `kind` in the selection preview box.
    void preview(MediaKind kind, int row);

signals:
    void areaShown(MediaKind kind);
    void itemActivated(MediaKind kind, int row);
    void contextMenuWanted(MediaKind kind, QPoint globalPos);

private:
    void connectPanel(MediaPanelView *view);
    void showItemHint(MediaKind kind, int row);

    Form1State &m_form1;
    ProgramFolder m_program;
    SelectionPreview &m_preview;
    std::array<MediaPanelView *, 3> m_panels{};
    std::array<QPointer<HintWindow>, 3> m_hints{};
    MediaKind m_shown = MediaKind::Photos;
};

} // namespace velumo
