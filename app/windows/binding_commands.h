#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace velumo {

struct ProjectModel;
struct WindowSet;

// The binding commands of the music and the lyric panel ("绑定", "自动绑", "解绑", "全解绑" and
// their menu entries). Each checks its preconditions with the panel's messages, then asks in
// Form14 or lets the user pick in Form15. Rows are 0-based; nothing means no selection.
class BindingCommands : public QObject
{
    Q_OBJECT

public:
    BindingCommands(ProjectModel &model, const WindowSet &windows);

    // "绑定" / "手动绑定": the selected song picks a lyric, or the selected lyric picks a song.
    void bindSong(std::optional<int> selectedSong);
    void bindLyric(std::optional<int> selectedLyric);
    // "自动绑" / "自动绑定" of the music panel and of the lyric panel.
    void bindAutomaticallyFromMusic();
    void bindAutomaticallyFromLyrics();
    // "解绑" / "手动解绑".
    void unbindSong(std::optional<int> selectedSong);
    void unbindLyric(std::optional<int> selectedLyric);
    // "全解绑" / "全部解绑" of either panel.
    void unbindAll();

signals:
    // The bindings changed: both panels' lists show new binding texts.
    void bindingsChanged();

private:
    bool noSongs() const;
    bool noLyrics() const;
    void confirmInForm14(const QString &caption, const QString &message, const QString &action,
                         std::optional<int> row);
    // "确定" of Form14: the action Edit_bangding_or_jiebang names.
    void performForm14Action(std::optional<int> row);

    ProjectModel &m_model;
    const WindowSet &m_windows;
};

} // namespace velumo
