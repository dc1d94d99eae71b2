#include "ui/reported_command.h"

#include "app/tables/string_table.h"
#include "ui/message_box.h"

#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

// Runs `command` through runReported and returns what the message box said (empty when it
// stayed closed).
QString messageShownFor(const std::function<void()> &command, bool *ranToEnd)
{
    ui::MessageBox box(ui::makeSkinPictures());
    QString shown;
    auto *poll = new QTimer(&box);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&] {
        if (!box.isVisible())
            return;
        poll->stop();
        shown = box.message();
        box.findChild<QPushButton *>(u"Button_queding"_s)->click();
    });
    poll->start();
    *ranToEnd = ui::runReported(box, command);
    return shown;
}

} // namespace

TEST(ReportedCommand, TableErrorEndsTheCommandWithItsMessage)
{
    StringTable songs(u"ListView_daoru_yinyue"_s, {u"序号"_s, u"音乐文件名"_s});
    songs.appendRow({u"1"_s, u"甜蜜蜜"_s});
    bool reachedTheEnd = false;
    bool ranToEnd = true;

    const QString shown = messageShownFor(
        [&] {
            (void)songs.cell(3, 1);
            reachedTheEnd = true;
        },
        &ranToEnd);

    EXPECT_FALSE(ranToEnd);
    EXPECT_FALSE(reachedTheEnd);
    EXPECT_TRUE(shown.contains(u"ListView_daoru_yinyue"_s)) << shown.toStdString();
    EXPECT_EQ(songs.rowCount(), 1);
}

TEST(ReportedCommand, OtherErrorsAreReportedToo)
{
    bool ranToEnd = true;
    const QString shown = messageShownFor([] { throw std::runtime_error("disk full"); }, &ranToEnd);
    EXPECT_FALSE(ranToEnd);
    EXPECT_EQ(shown, u"操作失败：disk full"_s);
}

TEST(ReportedCommand, CommandThatSucceedsShowsNothing)
{
    bool ranToEnd = false;
    const QString shown = messageShownFor([] {}, &ranToEnd);
    EXPECT_TRUE(ranToEnd);
    EXPECT_TRUE(shown.isEmpty());
}
