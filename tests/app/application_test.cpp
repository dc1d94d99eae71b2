#include "app/windows/application.h"

#include "app/base/failure.h"

#include "app/windows/exit_dialog.h"
#include "app/windows/main_window.h"
#include "app/windows/photo_import_window.h"
#include "app/windows/plugin_dialog.h"
#include "app/workspace/working_tree.h"
#include "templates/template_package.h"
#include "tests/app/modal_helper.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/temp_tree.h"
#include "ui/message_box.h"

#include <QDesktopServices>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;
using velumo::test::whenShown;

namespace {

TemplatePlayerFactory workingPlayer()
{
    return defaultTemplatePlayerFactory();
}

// As on a system where no template player can be created.
TemplatePlayerFactory missingPlayer()
{
    return [](const TemplatePlayerSetup &) -> std::unique_ptr<TemplatePlayer> {
        throw Failure(u"no player"_s);
    };
}

// Receives the web pages the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class ApplicationTest : public ::testing::Test
{
protected:
    std::unique_ptr<Application> makeApp(TemplatePlayerFactory factory, PhotoFileChooser choosePhotos = {})
    {
        return std::make_unique<Application>(ApplicationSetup{
            ProgramFolder(program.path()),
            std::move(factory),
            [this](int code) { endedWith.push_back(code); },
            lockFolder.path(),
            std::move(choosePhotos),
            std::make_shared<SeededRandomSource>(7),
        });
    }

    // One template of the library: a portrait single-photo template.
    void installTemplate(const QString &name)
    {
        program.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/"_s + name,
                          wrapPackage("[l_x_w_j_s_y]\nl_x_w_j_s_y=s_y_l_x\n[1]\nxpsl=1\nszhz=|shu|\nmbdx=100\n"));
        program.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/"_s + name, wrapPackage("FWS"));
    }

    // Lets the start-up check run.
    static void settle() { QTest::qWait(30); }

    static void click(QWidget *parent, const QString &name)
    {
        auto *widget = parent->findChild<QWidget *>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    TempTree program;
    TempTree lockFolder;
    std::vector<int> endedWith;
};

} // namespace

TEST_F(ApplicationTest, CreatesEveryWindowOnceInOrder)
{
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());

    const QStringList expected = {
        u"Form1"_s, u"MainForm"_s, u"frmMain"_s, u"Form2"_s, u"Form3"_s, u"Form6"_s, u"Form8"_s,
        u"Form7"_s, u"Form9"_s, u"Form10"_s, u"Form11"_s, u"Form12"_s, u"Form13"_s, u"Form14"_s,
        u"Form15"_s, u"Form16"_s, u"Form17"_s, u"Form25"_s, u"Form28"_s, u"Form29"_s, u"Form30"_s,
        u"Form31"_s, u"Form32"_s, u"Form33"_s, u"Form34"_s, u"Form39"_s, u"Form46"_s, u"Form47"_s,
        u"Form48"_s, u"Form49"_s, u"Form51"_s, u"Form4"_s, u"Form65"_s};
    QStringList created;
    for (const QWidget *window : app->windows().inCreationOrder)
        created.append(window->objectName());
    EXPECT_EQ(created, expected);

    const struct
    {
        QString name;
        QString caption;
    } samples[] = {{u"Form1"_s, u"Velumo"_s}, {u"frmMain"_s, u"制作相册"_s}, {u"Form8"_s, u"提示信息"_s},
                   {u"Form11"_s, u"删除相片"_s}, {u"Form25"_s, u"退出本软件"_s},
                   {u"Form33"_s, u"歌词控件渐变提示信息"_s}, {u"Form48"_s, u"卡拉OK设置"_s},
                   {u"Form65"_s, u"《Velumo》插件安装"_s}};
    for (const auto &sample : samples) {
        const QWidget *window = app->windows().find(sample.name);
        ASSERT_NE(window, nullptr) << sample.name.toStdString();
        EXPECT_EQ(window->windowTitle(), sample.caption) << sample.name.toStdString();
    }
    EXPECT_FALSE(app->windows().find(u"Form4"_s)->isVisible());
}

TEST_F(ApplicationTest, MainWindowIsBorderlessDarkAndCentred)
{
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    const MainWindow *main = app->windows().Form1;

    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect screen = main->screen()->geometry();
    EXPECT_EQ(main->geometry(), windowGeometry(WindowLayout::Start, screen)) << "the start layout";
    EXPECT_EQ(main->layoutTokenText(), u"kaishibuju"_s);
    EXPECT_EQ(main->palette().color(QPalette::Window), QColor(29, 24, 18));
    EXPECT_EQ(main->font().family(), u"宋体"_s);
    EXPECT_EQ(main->font().pixelSize(), 12);
}

TEST_F(ApplicationTest, StartUpPreparesTheWorkingTree)
{
    program.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_4.bmp"_s);
    program.writeFile(u"smxcwjj/tp_load/tp_load_1.bmp"_s);
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    EXPECT_TRUE(program.isEmptyFolder(u"smxcwjj/tp_wj/tp_slt_1"_s));
    EXPECT_FALSE(program.exists(u"smxcwjj/tp_load/tp_load_1.bmp"_s));
}

TEST_F(ApplicationTest, WorkingPlayerBringsUpNoPluginWindowEvenWithoutTheProbeMovie)
{
    ASSERT_FALSE(program.exists(u"cj/cj.swf"_s));
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    bool pluginShown = false;
    QObject::connect(app->windows().Form65, &QDialog::finished, [&] { pluginShown = true; });
    whenShown(app->windows().Form65, [&] {
        pluginShown = true;
        app->windows().Form65->reject();
    });
    settle();
    EXPECT_FALSE(pluginShown);
}

TEST_F(ApplicationTest, MissingPlayerShowsPluginWindowAndTheProgramGoesOn)
{
    auto app = makeApp(missingPlayer());
    ASSERT_FALSE(app->start().has_value());
    PluginDialog *plugin = app->windows().Form65;
    bool shownModal = false;
    whenShown(plugin, [&] {
        shownModal = plugin->isModal();
        EXPECT_EQ(plugin->size(), QSize(734, 366));
        click(plugin, u"Label_guanbi"_s);
    });
    settle();
    EXPECT_TRUE(shownModal);
    EXPECT_FALSE(plugin->isVisible());
    EXPECT_TRUE(app->windows().Form1->isVisible());
    EXPECT_TRUE(endedWith.empty());
}

TEST_F(ApplicationTest, PluginWindowOpensTheShippedHelpPageAndTellsToQuitFirst)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"file"_s, &catcher, "open");
    auto app = makeApp(missingPlayer());
    ASSERT_FALSE(app->start().has_value());
    PluginDialog *plugin = app->windows().Form65;
    ui::MessageBox *box = app->windows().Form8;
    QString told;
    whenShown(plugin, [&] {
        whenShown(box, [&] {
            told = box->message();
            click(box, u"Button_queding"_s);
        });
        click(plugin, u"Button_xiazai"_s);
        EXPECT_TRUE(plugin->isVisible()) << "the plug-in window stays open";
        click(plugin, u"Button_tuichu"_s);
        // The real process would be gone now; the recorded ending leaves the dialog to close.
        plugin->reject();
    });
    settle();
    QDesktopServices::unsetUrlHandler(u"file"_s);

    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front().toLocalFile(), program.abs(u"help/plugin.html"_s));
    EXPECT_EQ(told, u"安装插件，请先退出软件,然后再安装插件"_s);
    EXPECT_EQ(endedWith, std::vector<int>{0}) << "退出软件 closes the main window, which ends the process";
}

TEST_F(ApplicationTest, CancellingTheExitChangesNothing)
{
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    settle();
    program.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);
    ExitDialog *exitDialog = app->windows().Form25;

    for (const QString &way : {u"Button_quxiao"_s, u"Label_guanbi"_s}) {
        QString asked;
        whenShown(exitDialog, [&] {
            asked = exitDialog->message();
            click(exitDialog, way);
        });
        click(app->windows().Form1, u"Label_guanbi"_s);
        settle();
        EXPECT_EQ(asked, u"确定要退出本软件吗？"_s);
        EXPECT_FALSE(exitDialog->isVisible()) << way.toStdString();
    }
    EXPECT_TRUE(app->windows().Form1->isVisible());
    EXPECT_TRUE(program.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s));
    EXPECT_TRUE(endedWith.empty());
}

TEST_F(ApplicationTest, ConfirmedExitCleansTheTreeThenEndsWithCodeZero)
{
    installTemplate(u"wj_1.rar"_s);
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    settle();
    program.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/wj_1.rar"_s);
    program.writeFile(u"smxcwjj/tp_load/tp_load_1.jpg"_s);
    ExitDialog *exitDialog = app->windows().Form25;
    whenShown(exitDialog, [&] { click(exitDialog, u"Button_queding"_s); });

    click(app->windows().Form1, u"Label_guanbi"_s);
    settle();

    EXPECT_EQ(endedWith, std::vector<int>{0});
    EXPECT_FALSE(app->windows().Form1->isVisible());
    for (const QString &folder : working_tree::removedAtExit())
        EXPECT_FALSE(program.exists(folder)) << folder.toStdString();
    EXPECT_FALSE(program.exists(u"smxcwjj/tp_load/tp_load_1.jpg"_s));
    EXPECT_TRUE(program.exists(u"smxcwjj/wj_0_or_2/wjj_01/wj_1.rar"_s));
    EXPECT_TRUE(program.exists(u"smxcwjj/wj_0_or_2/wjj_02/wj_1.rar"_s));
}

TEST_F(ApplicationTest, SystemCloseEndsWithCodeZeroWithoutCleaning)
{
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    settle();
    program.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);

    app->windows().Form1->close();

    EXPECT_EQ(endedWith, std::vector<int>{0});
    EXPECT_TRUE(program.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s));
}

TEST_F(ApplicationTest, UnusableProgramFolderIsReportedAndEndsCleanly)
{
    program.writeFile(u"smxcwjj"_s, "a file where the working tree belongs");
    auto app = makeApp(workingPlayer());
    QString told;
    velumo::test::answerNextMessageBox(&told);

    const std::optional<int> code = app->start();

    EXPECT_TRUE(told.contains(u"无法创建工作文件夹"_s)) << told.toStdString();
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0);
}

TEST_F(ApplicationTest, StartUpReadsTheTemplateLibrary)
{
    installTemplate(u"a.rar"_s);
    auto app = makeApp(workingPlayer());
    ASSERT_FALSE(app->start().has_value());
    EXPECT_EQ(app->model().form1.ListView_mobancanshu.rowCount(), 1);
    EXPECT_EQ(app->model().form1.ListView_shuzhaopian.rowCount(), 1);
}

TEST_F(ApplicationTest, ForeignLibraryEndsStartUpSilently)
{
    program.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/a.rar"_s, wrapPackage("[1]\nxpsl=1\n"));
    program.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/a.rar"_s, wrapPackage("FWS"));
    auto app = makeApp(workingPlayer());
    EXPECT_EQ(app->start(), std::optional<int>(0));
    EXPECT_EQ(app->windows().Form8, nullptr) << "no message";
}

TEST_F(ApplicationTest, IncompleteLibraryIsReportedAndTheProgramGoesOn)
{
    program.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/a.rar"_s, wrapPackage("[l_x_w_j_s_y]\nl_x_w_j_s_y=s_y_l_x\n"));
    auto app = makeApp(workingPlayer());
    QString told;
    velumo::test::answerNextMessageBox(&told);

    EXPECT_FALSE(app->start().has_value());
    EXPECT_TRUE(told.contains(u"wjj_01"_s)) << told.toStdString();
    EXPECT_EQ(app->model().form1.ListView_mobancanshu.rowCount(), 0);
    EXPECT_TRUE(app->windows().Form1->isVisible());
}

TEST_F(ApplicationTest, SecondCopyEndsAtOnceWithoutWindowsOrTouchingTheTree)
{
    auto first = makeApp(workingPlayer());
    ASSERT_FALSE(first->start().has_value());
    settle();
    program.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s);
    const int windowsBefore = QApplication::topLevelWidgets().size();

    auto second = makeApp(workingPlayer());
    EXPECT_EQ(second->start(), std::optional<int>(0));

    EXPECT_TRUE(second->windows().inCreationOrder.empty());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_TRUE(program.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s));
}

#include "application_test.moc"

TEST_F(ApplicationTest, AddPhotosButtonRunsTheImportWindowThenShowsIconModeAndNamesSkippedFiles)
{
    for (const QString &classes : {u"heng"_s, u"shu"_s}) {
        program.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/"_s + classes + u".rar"_s,
                          wrapPackage("[l_x_w_j_s_y]\nl_x_w_j_s_y=s_y_l_x\n[1]\nxpsl=1\nxpkd=|0|\nxpgd=|0|\nszhz=|"
                                      + classes.toUtf8() + "|\nmbdx=100\n"));
        program.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/"_s + classes + u".rar"_s, wrapPackage("FWS"));
    }
    program.writeFile(u"smxcwjj/wj_0_or_1/wj_1.rar"_s, wrapPackage("FWS closing"));
    TempTree photos;
    photos.writeFile(u"海边 日落.jpg"_s, test::encodeJpeg(test::quadrantPicture({640, 480})));
    photos.writeFile(u"notes.jpg"_s, "not a photo");
    auto app = makeApp(workingPlayer(), [&](QWidget *) {
        return QStringList{photos.abs(u"海边 日落.jpg"_s), photos.abs(u"notes.jpg"_s)};
    });
    ASSERT_FALSE(app->start().has_value());
    settle();
    app->model().form1.Edit_tubiao_liebiao.setText(u"liebiao"_s);
    QSignalSpy panelRebuilt(&app->photoCommands(), &PhotoCommands::photosChanged);
    QString told;
    test::answerNextMessageBox(&told);

    click(app->windows().Form1, u"suiButton1"_s); // 添加相片

    const StringTable &imported = app->model().form1.ListView_daoruxiangpian;
    ASSERT_EQ(imported.rowCount(), 1);
    EXPECT_EQ(imported.cell(0, 2), u"海边 日落"_s);
    EXPECT_EQ(app->model().form1.Edit_tubiao_liebiao.text(), u"tubiao"_s);
    EXPECT_EQ(panelRebuilt.count(), 1);
    EXPECT_TRUE(told.contains(u"notes.jpg"_s)) << told.toStdString();
    EXPECT_FALSE(app->windows().MainForm->isVisible());
    EXPECT_EQ(app->windows().MainForm->progressBar()->maximum(), 4);
    EXPECT_EQ(app->windows().MainForm->progressBar()->value(), 4);
    EXPECT_TRUE(program.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s));
}

TEST_F(ApplicationTest, CancelledPhotoDialogChangesNothing)
{
    auto app = makeApp(workingPlayer(), [](QWidget *) { return QStringList(); });
    ASSERT_FALSE(app->start().has_value());
    app->model().form1.Edit_tubiao_liebiao.setText(u"liebiao"_s);
    app->photoCommands().addPhotos();
    EXPECT_EQ(app->model().form1.Edit_tubiao_liebiao.text(), u"liebiao"_s);
    EXPECT_FALSE(app->windows().MainForm->isVisible());
}
