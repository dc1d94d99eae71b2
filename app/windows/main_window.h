#pragma once

#include "app/panels/media_kind.h"
#include "app/panels/window_layout.h"
#include "app/windows/command_set.h"
#include "app/windows/main_commands.h"
#include "app/workspace/program_folder.h"
#include "ui/main_skin.h"
#include "ui/skin_pictures.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace velumo {

namespace ui {
class MessageBox;
class TitleButtonLabel;
} // namespace ui
struct ProjectModel;
class ButtonHints;
class ClickableLabel;
class HintWindow;
class MediaArea;
class MediaPanelView;
class RightColumn;
class SelectionPreview;

// The main window Form1: borderless, laid out for the screen; its own title bar, the command
// column on the left, the media panels in the centre, counts and settings on the right. The
// other parts of the program plug their commands in with setCommand and setItemCommand and
// call the panel functions below after they change the tables.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // `endProcess` runs whenever the window closes, by whatever path: the process ends with
    // the given exit code without any further clean-up.
    MainWindow(const ui::SkinPictures &skin, ProjectModel &model, const ProgramFolder &program,
               std::function<void(int)> endProcess);
    ~MainWindow() override;

    // The windows created after this one: the message box for every user message and the
    // hint windows Form30 (buttons) and Form31 to Form33 (photo, music and lyric items).
    void setMessageBox(ui::MessageBox *box);
    void setHintWindows(HintWindow *buttons, const std::array<HintWindow *, 3> &items);

    // What a command does. Until a command is set, using it tells the user that it is not
    // available yet; a double-click or preview entry whose preview is not set does nothing.
    void setCommand(MainCommand command, std::function<void()> action);
    // A command about one item: it receives the selected row of its panel (0-based), or
    // kNoItemSelected.
    void setItemCommand(MainCommand command, std::function<void(int row)> action);

    // Layouts.
    void applyLayout(WindowLayout layout);
    WindowLayout currentLayout() const { return m_layout; }
    // Edit_jiemian: "kaishibuju", "quanpingbuju" or "heshibuju".
    QString layoutTokenText() const { return layoutToken(m_layout); }

    // Media panels, for the parts that change their tables.
    // Thumbnails made again for the table's current row count, in icon mode.
    void rebuildPanel(MediaKind kind);
    void rebuildPhotoPanel() { rebuildPanel(MediaKind::Photos); }
    void rebuildMusicPanel() { rebuildPanel(MediaKind::Music); }
    void rebuildLyricPanel() { rebuildPanel(MediaKind::Lyrics); }
    void showArea(MediaKind kind);
    void showPhotoArea() { showArea(MediaKind::Photos); }
    void showMusicArea() { showArea(MediaKind::Music); }
    void showLyricArea() { showArea(MediaKind::Lyrics); }
    void setListMode(MediaKind kind, bool listMode);
    // Every thumbnail of a panel loaded again from its file (after files were renumbered).
    void reloadPanelPictures(MediaKind kind);
    // The list view rebuilt from the panel's list table (after bindings or styles changed).
    void refreshPanelList(MediaKind kind);
    // No selected item: Edit_xiangpian_down_id "wu", hover and selection frames hidden.
    void clearSelection(MediaKind kind);
    // The preview box back to "        缩略图预览" without a picture.
    void resetSelectionPreview();
    void startIdleAnimation();
    void stopIdleAnimation();
    void closeHints();

    MediaPanelView *panel(MediaKind kind) const;
    MediaKind shownArea() const;

    QTimer *startupCheckTimer() const { return m_startupCheck; }
    QTimer *exitCleanUpTimer() const { return m_exitCleanUp; }
    // Timer_qita_shiyong: refreshes the summary every 50 ms until the exit clean-up stops it.
    QTimer *summaryTimer() const { return m_summaryTimer; }

signals:
    // The title bar's close label was clicked: the user asks to leave.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTitleBar();
    void buildCommandColumn();
    void buildAreaLabels();
    void placeControls();
    void refreshSummary();
    // `item` overrides the selected row, for a double-clicked item.
    void runCommand(MainCommand command, bool quietWhenUnset = false, std::optional<int> item = std::nullopt);
    bool report(const std::function<void()> &action);
    ui::TitleButtonLabel *titleLabel(const QString &name, const ui::TitleButtonPictures &pictures, QLabel *&picture);

    ui::SkinPictures m_skin;
    ui::PanelPictures m_panelPictures;
    ProjectModel &m_model;
    ProgramFolder m_program;
    std::function<void(int)> m_endProcess;
    CommandSet m_commands;
    QPointer<ui::MessageBox> m_messageBox;
    WindowLayout m_layout = WindowLayout::Start;

    ButtonHints *m_buttonHints = nullptr;
    QLabel *m_left = nullptr;
    QLabel *m_middle = nullptr;
    QLabel *m_right = nullptr;
    QLabel *m_bottom = nullptr;
    QLabel *m_icon = nullptr;
    QLabel *m_caption = nullptr;
    ui::TitleButtonLabel *m_close = nullptr;
    QLabel *m_fullScreenPicture = nullptr;
    QLabel *m_restorePicture = nullptr;
    QLabel *m_startLayoutPicture = nullptr;
    ui::TitleButtonLabel *m_fullScreen = nullptr;
    ui::TitleButtonLabel *m_restore = nullptr;
    ui::TitleButtonLabel *m_startLayout = nullptr;

    std::array<QPushButton *, kCommandCount> m_commandButtons{};
    SelectionPreview *m_preview = nullptr;
    QLabel *m_areaCaption = nullptr;
    std::array<ClickableLabel *, 3> m_areaLabels{};
    ClickableLabel *m_websiteLabel = nullptr;
    MediaArea *m_media = nullptr;
    RightColumn *m_rightColumn = nullptr;

    QTimer *m_startupCheck = nullptr;
    QTimer *m_exitCleanUp = nullptr;
    QTimer *m_summaryTimer = nullptr;
};

} // namespace velumo
