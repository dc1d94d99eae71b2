#include "media/photo_import.h"

#include "app/base/failure.h"
#include "app/project/photo_columns.h"
#include "app/project/project_model.h"
#include "app/workspace/working_tree.h"
#include "assign/random_source.h"
#include "templates/template_catalogue.h"
#include "templates/template_package.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QImageReader>

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::test;

namespace {

namespace pc = photo_column;

class FirstRow : public RandomSource
{
public:
    int index(int) override { return 0; }
};

QByteArray parameters(const QString &widths, const QString &heights, const QString &classes)
{
    return (u"[l_x_w_j_s_y]\r\nl_x_w_j_s_y=s_y_l_x\r\n[1]\r\nmblx=经典\r\nmbfl=相册\r\nxpsl=1\r\nxpkd=%1\r\n"
            "xpgd=%2\r\nszhz=%3\r\nxpjpgmc=picture_1.rar\r\nmbdx=100\r\n"_s)
        .arg(widths, heights, classes)
        .toUtf8();
}

class PhotoImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        working_tree::prepare(program);
        tree.writeFile(u"smxcwjj/wj_0_or_1/wj_1.rar"_s, wrapPackage("closing movie"));
    }

    // A landscape template with a 640 x 480 slot and a full-screen portrait template.
    void installLibrary(bool withPortrait = true)
    {
        addTemplate(u"t1.rar"_s, parameters(u"|640|"_s, u"|480|"_s, u"|heng|"_s));
        if (withPortrait)
            addTemplate(u"t2.rar"_s, parameters(u"|0|"_s, u"|0|"_s, u"|shu|"_s));
        buildTemplateCatalogue(program, model.form1);
    }

    void addTemplate(const QString &name, const QByteArray &parameterFile)
    {
        tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_02/"_s + name, wrapPackage(parameterFile));
        tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/"_s + name, wrapPackage("movie " + name.toUtf8()));
    }

    QString photo(const QString &name, QSize stored, int orientation = 0)
    {
        tree.writeFile(u"photos/"_s + name, encodeJpeg(quadrantPicture(stored), {JpegColour::Rgb, false, orientation}));
        return tree.abs(u"photos/"_s + name);
    }

    QString file(const QString &name, const QByteArray &bytes)
    {
        tree.writeFile(u"photos/"_s + name, bytes);
        return tree.abs(u"photos/"_s + name);
    }

    PhotoImportReport import(const QStringList &files)
    {
        ImportFeedback feedback{[this](int max) { maximum = max; advanced = 0; }, [this] { ++advanced; }, [] {}};
        return importPhotos(program, model, random, files, feedback);
    }

    QStringList column(int col) const
    {
        QStringList out;
        for (int row = 0; row < photos().rowCount(); ++row)
            out << photos().cell(row, col);
        return out;
    }

    const StringTable &photos() const { return model.form1.ListView_daoruxiangpian; }

    QSize imageSize(const QString &relative) const { return QImageReader(tree.abs(relative)).size(); }

    QImage image(const QString &relative) const { return QImage(tree.abs(relative)); }

    TempTree tree;
    ProgramFolder program{tree.path()};
    ProjectModel model;
    FirstRow random;
    int maximum = -1;
    int advanced = 0;
};

TEST_F(PhotoImport, FirstBatchFillsTablesThumbnailsInstancesAndSlotPhotos)
{
    installLibrary();
    const QStringList files{photo(u"a.jpg"_s, {800, 600}), photo(u"我的 照片.jpg"_s, {600, 800}),
                            photo(u"c.JPG"_s, {800, 600}, 6)};
    const PhotoImportReport report = import(files);

    EXPECT_EQ(report.imported, 3);
    EXPECT_TRUE(report.skipped.isEmpty());
    EXPECT_EQ(column(pc::kName), QStringList({u"a"_s, u"我的 照片"_s, u"c"_s}));
    EXPECT_EQ(column(pc::kType), QStringList({u".jpg"_s, u".jpg"_s, u".JPG"_s}));
    EXPECT_EQ(column(pc::kWidth), QStringList({u"800"_s, u"600"_s, u"600"_s}));
    EXPECT_EQ(column(pc::kHeight), QStringList({u"600"_s, u"800"_s, u"800"_s}));
    EXPECT_EQ(column(pc::kOrientation), QStringList({u"heng_zhao"_s, u"shu_zhao"_s, u"shu_zhao"_s}));
    EXPECT_EQ(column(pc::kInstance), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(pc::kThumbnailMark), QStringList(3, u"jiancai_yes"_s));
    EXPECT_EQ(column(pc::kFittingMark), QStringList(3, u"jiancai_yes"_s));
    EXPECT_EQ(maximum, 12);
    EXPECT_EQ(advanced, 3 + 1 + 3 + 3);

    EXPECT_EQ(imageSize(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s), QSize(158, 120));
    EXPECT_EQ(imageSize(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_2.bmp"_s), QSize(120, 158));
    EXPECT_EQ(imageSize(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_3.bmp"_s), QSize(120, 158));
    EXPECT_EQ(imageSize(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s), QSize(640, 480));
    EXPECT_EQ(imageSize(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_2/picture_1.rar"_s), QSize(1080, 1080));
    // The sideways-stored photo is fitted upright: its stored bottom-left is now top-left.
    const QImage upright = image(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_3/picture_1.rar"_s);
    ASSERT_EQ(upright.size(), QSize(1080, 1080));
    EXPECT_TRUE(near(QColor(upright.pixel(10, 10)), kBottomLeft));
    EXPECT_TRUE(near(QColor(upright.pixel(1070, 10)), kTopLeft));
    EXPECT_TRUE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s));
    EXPECT_TRUE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s));

    const StringTable &list = model.form1.suiListView_xiangpian_liebiao;
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.row(2), QStringList({u"3"_s, u"c"_s, u".jpg"_s, u"600"_s, u"800"_s, u"竖照片"_s, u"已绑定"_s,
                                        files.at(2).toLower()}));
    EXPECT_EQ(list.cell(0, 5), u"横照片"_s);
}

TEST_F(PhotoImport, LaterBatchTouchesOnlyItsOwnRowsAndRenumbersTheList)
{
    installLibrary();
    import({photo(u"a.jpg"_s, {800, 600}), photo(u"b.jpg"_s, {800, 600})});
    tree.writeFile(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s, "first thumbnail, untouched");
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s, "first slot photo, untouched");

    import({photo(u"c.jpg"_s, {600, 800})});

    EXPECT_EQ(column(pc::kNumber), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(column(pc::kInstance), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(maximum, 4);
    QFile thumbnail(tree.abs(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s));
    ASSERT_TRUE(thumbnail.open(QIODevice::ReadOnly));
    EXPECT_EQ(thumbnail.readAll(), "first thumbnail, untouched");
    QFile slotPhoto(tree.abs(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s));
    ASSERT_TRUE(slotPhoto.open(QIODevice::ReadOnly));
    EXPECT_EQ(slotPhoto.readAll(), "first slot photo, untouched");
    EXPECT_EQ(imageSize(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_3.bmp"_s), QSize(120, 158));
    EXPECT_EQ(model.form1.suiListView_xiangpian_liebiao.rowCount(), 3);
}

TEST_F(PhotoImport, UnusableFilesAreNamedAndSkippedBeforeAnyTemplateIsDrawn)
{
    installLibrary();
    const QByteArray good = encodeJpeg(quadrantPicture({300, 200}));
    const PhotoImportReport report = import({photo(u"good 1.jpg"_s, {800, 600}), file(u"空.jpg"_s, {}),
                                             file(u"cut.jpg"_s, good.first(good.size() / 2)),
                                             file(u"notes.jpg"_s, "a text file"), photo(u"good 2.jpg"_s, {600, 800})});

    EXPECT_EQ(report.imported, 2);
    ASSERT_EQ(report.skipped.size(), 3);
    const QString message = skippedPhotosMessage(report);
    for (const QString &name : {u"空.jpg"_s, u"cut.jpg"_s, u"notes.jpg"_s})
        EXPECT_TRUE(message.contains(name)) << message.toStdString();
    EXPECT_EQ(column(pc::kName), QStringList({u"good 1"_s, u"good 2"_s}));
    EXPECT_EQ(column(pc::kNumber), QStringList({u"1"_s, u"2"_s}));
    EXPECT_EQ(column(pc::kFittingMark), QStringList(2, u"jiancai_yes"_s));
    EXPECT_EQ(maximum, 8);
}

TEST_F(PhotoImport, BatchOfOnlyUnusableFilesChangesNothing)
{
    installLibrary();
    const PhotoImportReport report = import({file(u"x.jpg"_s, "nothing")});
    EXPECT_EQ(report.imported, 0);
    EXPECT_EQ(report.skipped.size(), 1);
    EXPECT_EQ(photos().rowCount(), 0);
    EXPECT_EQ(maximum, -1);
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s));
}

TEST_F(PhotoImport, LibraryWithoutPortraitTemplatesRefusesTheBatchAndKeepsTheAlbum)
{
    installLibrary(false);
    import({photo(u"a.jpg"_s, {800, 600})});
    try {
        import({photo(u"b.jpg"_s, {800, 600}), photo(u"c.jpg"_s, {600, 800})});
        ADD_FAILURE() << "imported";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"竖照片"_s)) << failure.message().toStdString();
    }
    EXPECT_EQ(column(pc::kName), QStringList({u"a"_s}));
    EXPECT_EQ(model.form1.Edit_mobanleijia_sum.text(), u"1"_s);
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_2.bmp"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_2"_s));
}

TEST_F(PhotoImport, FailureAfterAssignmentTakesBackTheBatchOnly)
{
    installLibrary();
    import({photo(u"a.jpg"_s, {800, 600})});
    tree.writeFile(u"smxcwjj/wj_0_or_2/wjj_01/t1.rar"_s, "damaged package");

    EXPECT_THROW(import({photo(u"b.jpg"_s, {800, 600}), photo(u"c.jpg"_s, {1024, 768})}), Failure);

    EXPECT_EQ(column(pc::kName), QStringList({u"a"_s}));
    EXPECT_EQ(model.form1.Edit_mobanleijia_sum.text(), u"1"_s);
    EXPECT_TRUE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/picture_1.rar"_s));
    EXPECT_TRUE(tree.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_1.bmp"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_2"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_wj/tp_slt_1/tp_slt_1_2.bmp"_s));
}

} // namespace
