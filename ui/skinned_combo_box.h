#pragma once

#include <QComboBox>

namespace velumo::ui {

// A drop-down in the look of the skinned windows: the style rules of applySettingsLook draw
// its box and list, and it draws its own gold arrow, which style rules cannot.
class SkinnedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SkinnedComboBox(QWidget *parent = nullptr);

    static constexpr int kArrowWidth = 22;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velumo::ui
