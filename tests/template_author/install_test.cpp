#include "tools/template_author/installer.h"
#include "tools/template_author/library.h"

#include "app/project/form1_state.h"
#include "players/swf/reader/movie_reader.h"
#include "templates/packed_layer.h"
#include "templates/template_catalogue.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>

#include <set>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::author;
using velumo::test::TempTree;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Unpacks `layers` layers; fails the test on damaged data.
QByteArray unpack(QByteArray bytes, int layers)
{
    for (int i = 0; i < layers; ++i)
        unpackLayer(bytes);
    return bytes;
}

bool isMovie(const QByteArray &bytes)
{
    try {
        swf::readMovie(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())));
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

class Install : public ::testing::Test
{
protected:
    // Installing takes a few seconds: once for every test here.
    static void SetUpTestSuite()
    {
        tree = new TempTree;
        tree->writeFile(QString::fromLatin1(kMovieFolder) + u"/zz_old.rar"_s, "left over from an older library");
        installed = installLibrary(tree->path());
    }
    static void TearDownTestSuite()
    {
        delete tree;
        tree = nullptr;
    }

    static QStringList names(const char *folder)
    {
        return QDir(tree->abs(QString::fromLatin1(folder))).entryList(QDir::Files, QDir::Name);
    }

    static TempTree *tree;
    static int installed;
};

TempTree *Install::tree = nullptr;
int Install::installed = 0;

} // namespace

TEST_F(Install, PairsParameterAndMoviePackagesByName)
{
    EXPECT_EQ(installed, int(templateLibrary().size()));
    const QStringList parameters = names(kParameterFolder);
    EXPECT_EQ(parameters.size(), installed);
    EXPECT_EQ(names(kMovieFolder), parameters) << "the older package is gone and the names pair up";
    for (const QString &name : parameters)
        EXPECT_TRUE(name.endsWith(u".rar"_s)) << name.toStdString();
}

TEST_F(Install, PackagesHoldTwentyThreeLayers)
{
    for (const QString &name : names(kParameterFolder)) {
        const QByteArray parameters = readAll(tree->abs(QString::fromLatin1(kParameterFolder) + u'/' + name));
        // After 22 layers there is still a packed layer; after 23 the parameter text.
        const QByteArray almost = unpack(parameters, 22);
        EXPECT_FALSE(almost.startsWith("[l_x_w_j_s_y]"));
        EXPECT_TRUE(unpack(almost, 1).startsWith("[l_x_w_j_s_y]")) << name.toStdString();

        const QByteArray movie = unpack(readAll(tree->abs(QString::fromLatin1(kMovieFolder) + u'/' + name)), 23);
        EXPECT_TRUE(movie.startsWith("CWS")) << name.toStdString();
    }
    EXPECT_TRUE(isMovie(unpack(readAll(tree->abs(QString::fromLatin1(kClosingPackage))), 23)));
    const QByteArray probe = readAll(tree->abs(QString::fromLatin1(kProbeMovie)));
    EXPECT_TRUE(isMovie(probe)) << "the probe movie is not packed";
}

TEST_F(Install, CatalogueSortsTheLibraryByOrientation)
{
    int landscape = 0, portrait = 0, either = 0, mixed = 0;
    for (const TemplateDesign &design : templateLibrary()) {
        std::set<Orientation> kinds;
        for (const Slot &s : design.photoSlots)
            kinds.insert(s.orientation);
        if (kinds.size() > 1)
            ++mixed;
        else if (*kinds.begin() == Orientation::Landscape)
            ++landscape;
        else if (*kinds.begin() == Orientation::Portrait)
            ++portrait;
        else
            ++either;
    }
    Form1State form1;
    buildTemplateCatalogue(ProgramFolder(tree->path()), form1);
    ASSERT_EQ(form1.ListView_mobancanshu.rowCount(), installed);
    EXPECT_EQ(form1.ListView_hengzhaopian.rowCount(), landscape + either);
    EXPECT_EQ(form1.ListView_shuzhaopian.rowCount(), portrait + either);
    EXPECT_EQ(form1.ListView_gaojimoban.rowCount(), mixed);
    for (int row = 0; row < installed; ++row) {
        const TemplateDesign &design = templateLibrary()[std::size_t(row)];
        EXPECT_EQ(form1.ListView_mobancanshu.cell(row, 10), QString::number(design.frames));
        EXPECT_TRUE(form1.ListView_mobancanshu.cell(row, 7).endsWith(QString::fromStdString(design.file) + u".rar"_s));
    }
}
