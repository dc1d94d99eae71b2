// What velumo-cli answers before any album is made: help, lyric timelines, unusable command
// lines.
#include "tests/cli/cli_run.h"
#include "tests/support/jpeg_fixtures.h"

#include <QDir>

#include <cctype>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo::test;

namespace {

class CommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cli.tree().writeFile(u"in/a.jpg"_s, encodeJpeg(quadrantPicture(QSize(64, 48))));
        cli.tree().writeFile(u"in/歌.mp3"_s);
        cli.tree().makeFolder(u"out"_s);
    }

    CliFolder cli;
};

TEST_F(CommandLineTest, HelpNamesTheOptionsAndTheLyricCommand)
{
    const CliResult result = cli.run({u"--help"_s});
    EXPECT_EQ(result.exitCode, 0);
    for (const QString &word : {u"--output"_s, u"--kind"_s, u"--size"_s, u"--standard"_s, u"--quality"_s,
                                u"--length"_s, u"--loop-music"_s, u"--loop-pictures"_s, u"--crop-landscape"_s,
                                u"--crop-portrait"_s, u"--seed"_s, u"--dump-tables"_s, u"velumo-cli lrc FILE"_s})
        EXPECT_TRUE(result.out.contains(word)) << word.toStdString();
}

TEST_F(CommandLineTest, LrcTimelineIsThePrograms)
{
    // Adjacent tags share their text and run right to left; metadata rows come last; the
    // table always starts with an empty 00:00 row.
    cli.tree().writeFile(u"in/词.lrc"_s, "[ti:月亮]\r\n[00:10.00][01:20.00]副歌\r\n[00:01.00]a[00:05.00]b\r\n");
    const CliResult result = cli.run({u"lrc"_s, cli.abs(u"in/词.lrc"_s)});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, u"00:00\t\n01:20.00\t副歌\n00:10.00\t副歌\n00:05.00\tb\n00:01.00\ta\nti\t月亮\n"_s);
}

TEST_F(CommandLineTest, UnreadableLyricIsNamed)
{
    cli.tree().writeFile(u"in/二进制.lrc"_s, "\x00\x01\x02 not text"_ba);
    for (const QString &file : {u"in/二进制.lrc"_s, u"in/没有.lrc"_s}) {
        const CliResult result = cli.run({u"lrc"_s, cli.abs(file)});
        EXPECT_EQ(result.exitCode, 1) << file.toStdString();
        EXPECT_TRUE(result.err.contains(file.mid(3, 2))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

struct BadCommandLine
{
    const char *what;
    QStringList arguments; // "@" stands for the test's folder
    QString message;       // part of what the user is told
};

void PrintTo(const BadCommandLine &line, std::ostream *os)
{
    *os << line.what;
}

class BadCommandLineTest : public CommandLineTest, public ::testing::WithParamInterface<BadCommandLine>
{
};

TEST_P(BadCommandLineTest, EndsWithCodeTwoAndAMessageAndMakesNothing)
{
    QStringList arguments = {u"--output"_s, cli.abs(u"out/相册"_s)};
    for (const QString &argument : GetParam().arguments)
        arguments << QString(argument).replace(u'@', cli.abs(QString()));
    const CliResult result = cli.run(arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(GetParam().message)) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty()) << result.out.toStdString();
    EXPECT_TRUE(QDir(cli.abs(u"out"_s)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCommandLineTest,
    ::testing::Values(
        BadCommandLine{"unknown option", {u"--colour"_s, u"@in/a.jpg"_s}, u"未知的选项"_s},
        BadCommandLine{"option without its value", {u"@in/a.jpg"_s, u"--kind"_s}, u"kind"_s},
        BadCommandLine{"unknown kind", {u"--kind"_s, u"MP4"_s, u"@in/a.jpg"_s}, u"MP4"_s},
        BadCommandLine{"size no kind offers", {u"--size"_s, u"333x333"_s, u"@in/a.jpg"_s}, u"333x333"_s},
        BadCommandLine{"size beyond VCD", {u"--kind"_s, u"VCD"_s, u"--size"_s, u"1920x1080"_s, u"@in/a.jpg"_s},
                       u"1920x1080"_s},
        BadCommandLine{"unknown standard", {u"--standard"_s, u"SECAM"_s, u"@in/a.jpg"_s}, u"SECAM"_s},
        BadCommandLine{"unknown quality", {u"--quality"_s, u"best"_s, u"@in/a.jpg"_s}, u"best"_s},
        BadCommandLine{"picture loop on a photo-length album", {u"--loop-pictures"_s, u"@in/a.jpg"_s},
                       u"--length music"_s},
        BadCommandLine{"negative seed", {u"--seed"_s, u"-1"_s, u"@in/a.jpg"_s}, u"-1"_s},
        BadCommandLine{"no photo", {u"@in/歌.mp3"_s}, u"没有添加相片文件！"_s},
        BadCommandLine{"file of another kind", {u"@in/a.jpg"_s, u"@in/b.png"_s}, u"b.png"_s},
        BadCommandLine{"lyric command without a file", {u"lrc"_s}, u"lrc FILE"_s},
        BadCommandLine{"picture sequence into an existing folder", {u"--kind"_s, u"jpg"_s, u"--output"_s, u"@in"_s,
                                                                   u"@in/a.jpg"_s},
                       u"输入的文件名存在, 请更换保存的文件名！"_s}),
    [](const ::testing::TestParamInfo<BadCommandLine> &param) {
        std::string name = param.param.what;
        for (char &c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        }
        return name;
    });

} // namespace
