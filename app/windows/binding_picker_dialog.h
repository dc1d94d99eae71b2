#pragma once

#include "ui/skinned_dialog.h"

#include <functional>
#include <optional>

class QTreeWidget;

namespace velumo {

class StringTable;

// Form15 "绑定": picks the file a song or a lyric is bound to. Only the picker of the other
// kind is shown, filled from its table just before the window opens. "确定" hands the picked
// row (or nothing) to the handler, which decides whether the window closes.
class BindingPickerDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    // Returns true when the window may close.
    using ConfirmHandler = std::function<bool(std::optional<int> row)>;

    explicit BindingPickerDialog(const ui::SkinPictures &skin, QWidget *parent = nullptr);

    // Fills and shows the lyric picker (a song picks a lyric) or the song picker.
    void showLyricPicker(const StringTable &lyrics);
    void showSongPicker(const StringTable &songs);

    // Shows the window modally; "确定" calls `handler`.
    int execPicking(const ConfirmHandler &handler);

    QTreeWidget *lyricPicker() const { return m_lyrics; }
    QTreeWidget *songPicker() const { return m_songs; }

private:
    void confirm();

    QTreeWidget *m_lyrics;
    QTreeWidget *m_songs;
    ConfirmHandler m_handler;
};

} // namespace velumo
