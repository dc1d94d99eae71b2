#pragma once

#include "app/panels/media_kind.h"
#include "app/panels/summary_texts.h"
#include "app/panels/window_layout.h"
#include "app/windows/main_commands.h"

#include <QObject>

#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace velumo {

namespace ui {
class SkinnedPanel;
}
class ButtonHints;

// The main window's right-hand column: the photo, music and lyric panels with their counts
// and buttons, the settings summary (其它相关) and the help ticker (帮助信息).
class RightColumn : public QObject
{
    Q_OBJECT

public:
    RightColumn(QWidget *window, ButtonHints &hints);

    void place(const FrameGeometry &geometry);
    void showSummary(const SummaryTexts &texts);
    // Moves the help text up by one pixel.
    void tickHelp();

    QLabel *summaryLabel(const QString &objectName) const;

signals:
    void modeRequested(MediaKind kind, bool listMode);
    void commandRequested(MainCommand command);

private:
    struct PanelButtonEntry
    {
        QString caption;
        QString hint;
        bool isMode;
        bool listMode;
        MainCommand command;
    };

    ui::SkinnedPanel *makeCountPanel(MediaKind kind, const QString &unit, int buttonTop,
                                     const std::vector<PanelButtonEntry> &buttons);
    QPushButton *makeButton(QWidget *parent, MediaKind kind, const PanelButtonEntry &entry);
    QLabel *makeRow(QWidget *parent, const QString &caption, const QString &objectName, int top,
                    const QString &unit = QString());

    QWidget *m_window;
    ButtonHints &m_hints;
    ui::SkinnedPanel *m_photos;
    ui::SkinnedPanel *m_music;
    ui::SkinnedPanel *m_lyrics;
    ui::SkinnedPanel *m_settings;
    ui::SkinnedPanel *m_help;
    QWidget *m_helpBox;
    QLabel *m_helpText;
    std::vector<QLabel *> m_values;
};

} // namespace velumo
