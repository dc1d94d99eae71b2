#include "app/panels/window_layout.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QSize startSize(QSize screen)
{
    const int w = screen.width();
    const int h = screen.height();
    if (w > 1920 || h > 1080)
        return {1280, 720};
    if (w == 1920 && h == 1080)
        return {w - w / 3, h - h / 3};
    if (w == 1024 && h == 768)
        return {w - w / 10 + 80, w / 2 + 49};
    return {w - w / 8 - 2, w / 2 - 5};
}

QRect centred(QSize size, const QRect &screen)
{
    size = size.boundedTo(screen.size());
    return {screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2,
            size.width(), size.height()};
}

constexpr int kCommandLeft = 3;
constexpr int kCommandTop = 60;
constexpr QSize kCommandSize(170, 25);
constexpr int kPreviewPanelHeight = 186;
constexpr int kPanelGap = 2;
constexpr int kPhotoCountsHeight = 103;
constexpr int kMediaCountsHeight = 177;
constexpr int kOtherSettingsHeight = 150;
// Below this the help ticker has no room for its title and two lines of text.
constexpr int kSmallestHelp = 64;
constexpr int kLabelWidth = 70;
constexpr int kLabelHeight = 26;
constexpr int kTitleLabelWidth = 32;
constexpr int kCloseFromRight = 45;

} // namespace

QString layoutToken(WindowLayout layout)
{
    switch (layout) {
    case WindowLayout::Start:
        return u"kaishibuju"_s;
    case WindowLayout::FullScreen:
        return u"quanpingbuju"_s;
    case WindowLayout::Restored:
        break;
    }
    return u"heshibuju"_s;
}

QRect windowGeometry(WindowLayout layout, const QRect &screen)
{
    switch (layout) {
    case WindowLayout::Start:
        return centred(startSize(screen.size()), screen);
    case WindowLayout::FullScreen:
        return screen;
    case WindowLayout::Restored:
        break;
    }
    return centred(QSize(std::max(0, screen.width() - 100), std::max(0, screen.height() - 100)), screen);
}

WindowLayout layoutAfterTitleDoubleClick(WindowLayout current)
{
    return current == WindowLayout::Start ? WindowLayout::FullScreen : WindowLayout::Start;
}

FrameGeometry frameGeometry(QSize window, int titleBarHeight, int bottomStripHeight)
{
    const int w = window.width();
    const int h = window.height();
    FrameGeometry g;

    for (int i = 0; i < kCommandCount; ++i)
        g.commands[std::size_t(i)] = QRect(QPoint(kCommandLeft, kCommandTop + i * (kCommandSize.height() + 1)), kCommandSize);
    const QRect lastCommand = g.commands.back();
    g.previewPanel = QRect(kCommandLeft, lastCommand.bottom() + 1 + 9, kCommandSize.width(), kPreviewPanelHeight);

    const int frameLeft = lastCommand.right() + 1 + 2;
    g.mediaFrame = QRect(frameLeft, kCommandTop, std::max(0, w - frameLeft - kRightColumnWidth - 4), std::max(0, h - 100));
    g.areaCaption = QRect(frameLeft, titleBarHeight, g.mediaFrame.width(), kCommandTop - titleBarHeight);

    // The right-hand column runs from under the title bar down to the bottom strip.
    const int columnLeft = g.mediaFrame.right() + 1 + 2;
    const int columnBottom = h - bottomStripHeight - 2;
    int top = titleBarHeight + 2;
    const auto stack = [&](int height) {
        const QRect panel(columnLeft, top, kRightColumnWidth, height);
        top += height + kPanelGap;
        return panel;
    };
    g.photoCounts = stack(kPhotoCountsHeight);
    g.musicCounts = stack(kMediaCountsHeight);
    g.lyricCounts = stack(kMediaCountsHeight);
    g.otherSettings = stack(kOtherSettingsHeight);
    // The help ticker takes the rest of the column; on a short window it moves under the
    // preview box, where the left column has room to spare.
    if (columnBottom - top >= kSmallestHelp) {
        g.help = QRect(columnLeft, top, kRightColumnWidth, columnBottom - top);
    } else {
        const int helpTop = g.previewPanel.bottom() + 1 + 9;
        if (columnBottom - helpTop >= kSmallestHelp)
            g.help = QRect(kCommandLeft, helpTop, kCommandSize.width(), columnBottom - helpTop);
    }

    const int labelTop = g.mediaFrame.bottom() + 1 + 3;
    for (int i = 0; i < 3; ++i)
        g.areaLabels[std::size_t(i)] = QRect(frameLeft + i * (kLabelWidth + 2), labelTop, kLabelWidth, kLabelHeight);
    g.websiteLabel = QRect(g.mediaFrame.right() + 1 - kLabelWidth, labelTop, kLabelWidth, kLabelHeight);

    const int closeLeft = w - kCloseFromRight;
    g.closeLabel = QRect(closeLeft, 0, kTitleLabelWidth, titleBarHeight);
    g.fullScreenLabel = QRect(closeLeft - kTitleLabelWidth, 0, kTitleLabelWidth, titleBarHeight);
    g.restoreLabel = QRect(closeLeft - 2 * kTitleLabelWidth, 0, kTitleLabelWidth, titleBarHeight);
    g.startLayoutLabel = QRect(closeLeft - 3 * kTitleLabelWidth, 0, kTitleLabelWidth, titleBarHeight);
    return g;
}

} // namespace velumo
