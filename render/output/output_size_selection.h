#pragma once

#include "render/output/output_sizes.h"

#include <QString>
#include <QStringList>

namespace velumo {

struct Form39State;

// What the output size window shows and holds for one make-album command: the size choice
// of the kind's list and, for a picture sequence, the picture format. Every command starts
// from the default, 1280 × 720 in JPG.
class OutputSizeSelection
{
public:
    static constexpr int kWindowHeight = 290;

    explicit OutputSizeSelection(OutputKind kind = OutputKind::Dvd);

    OutputKind kind() const { return m_kind; }
    QStringList choiceTexts() const { return sizeChoiceTexts(m_kind); }
    int sizeIndex() const { return m_sizeIndex; }
    OutputSize size() const;

    // An index outside the list (a drop-down being cleared) changes nothing. Changing the
    // size of a picture sequence brings the format back to "JPG".
    void chooseSize(int index);
    bool offersPictureFormats() const { return m_kind == OutputKind::PictureSequence; }
    int formatIndex() const { return m_formatIndex; }
    void chooseFormat(int index);
    // "默认": 1280 × 720, and "JPG" for a picture sequence.
    void restoreDefault();

    // "当前输出相册尺寸：", the chosen choice's text.
    QString shownSize() const;
    // "输出电子相册类型：", the kind, or the picture format for a picture sequence.
    QString shownKind() const;
    // The format of a picture sequence; empty for the other kinds.
    QString pictureFormat() const;
    // Wider for a picture sequence, whose format drop-down stands beside the sizes.
    int windowWidth() const { return offersPictureFormats() ? 730 : 660; }

    // Edit_chicun_width and Edit_chicun_height := the chosen size.
    void writeTo(Form39State &state) const;

private:
    OutputKind m_kind;
    int m_sizeIndex = kDefaultSizeIndex;
    int m_formatIndex = 0;
};

} // namespace velumo
