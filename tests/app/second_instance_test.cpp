// Runs the real program twice, as a user would by starting it a second time.
#include "tests/support/temp_tree.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using velumo::test::TempTree;

namespace {

class RunningProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The program folder is the executable's folder: give each run a folder of its own.
        program.makeFolder(u"prog"_s);
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELUMO_BINARY), program.abs(u"prog/velumo"_s)));
        QFile::setPermissions(program.abs(u"prog/velumo"_s),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void TearDown() override
    {
        for (QProcess *p : {&first, &second, &third}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    void launch(QProcess &process)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        process.setProcessEnvironment(env);
        process.setProgram(program.abs(u"prog/velumo"_s));
        process.start();
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    // The program is up once it has prepared its working tree.
    bool waitForWorkingTree(const QString &folder)
    {
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            if (program.isFolder(folder))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

    TempTree program;
    TempTree runtime;
    QProcess first;
    QProcess second;
    QProcess third;
};

} // namespace

TEST_F(RunningProgram, SecondCopyLeavesSilentlyAndTheFirstKeepsItsTree)
{
    const QString thumbnails = u"prog/smxcwjj/tp_wj/tp_slt_1"_s;
    launch(first);
    ASSERT_TRUE(waitForWorkingTree(thumbnails));
    program.writeFile(thumbnails + u"/tp_slt_1_1.bmp"_s, "thumbnail of the first copy");

    launch(second);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(program.exists(thumbnails + u"/tp_slt_1_1.bmp"_s));
    EXPECT_EQ(first.state(), QProcess::Running);

    // A copy that died leaves its lock behind; the next start takes it over.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    launch(third);
    QDeadlineTimer deadline(20000);
    while (program.exists(thumbnails + u"/tp_slt_1_1.bmp"_s) && !deadline.hasExpired())
        QTest::qWait(20);
    EXPECT_FALSE(program.exists(thumbnails + u"/tp_slt_1_1.bmp"_s)) << "the new copy cleared the tree";
    EXPECT_EQ(third.state(), QProcess::Running);
}
