#include "templates/packed_layer.h"
#include "templates/template_package.h"

#include "app/base/failure.h"
#include "tests/support/temp_tree.h"

#include <QFile>

#include <zlib.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QByteArray lengthPrefix(qint32 length)
{
    QByteArray out(4, 0);
    for (int i = 0; i < 4; ++i)
        out[i] = char((quint32(length) >> (8 * i)) & 0xFF);
    return out;
}

QByteArray zlibOf(const QByteArray &data)
{
    uLongf capacity = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(capacity), 0);
    compress(reinterpret_cast<Bytef *>(out.data()), &capacity, reinterpret_cast<const Bytef *>(data.constData()),
             uLong(data.size()));
    out.resize(qsizetype(capacity));
    return out;
}

const QByteArray kMovie = QByteArray("FWS\x08") + QByteArray(3000, 'm') + QByteArray("\x00\xff\x10", 3);

} // namespace

TEST(TemplatePackage, TwentyThreeLayersUnpackToThePayloadByteForByte)
{
    TempTree tree;
    tree.writeFile(u"lib/wjj_01/a.rar"_s, wrapPackage(kMovie));
    tree.makeFolder(u"scratch"_s);
    tree.makeFolder(u"out"_s);

    chainUnpack(tree.abs(u"lib/wjj_01/a.rar"_s), tree.abs(u"scratch/wj_1_jy0"_s), tree.abs(u"out/w_j_1.rar"_s));

    EXPECT_EQ(readFile(tree.abs(u"out/w_j_1.rar"_s)), kMovie);
    for (int n = 1; n <= 22; ++n)
        EXPECT_TRUE(tree.exists(u"scratch/wj_1_jy0-%1.rar"_s.arg(n))) << n;
    EXPECT_FALSE(tree.exists(u"scratch/wj_1_jy0-23.rar"_s));
}

TEST(TemplatePackage, LayerCountMustMatch)
{
    TempTree tree;
    // One layer too many: the final file is still a packed layer.
    tree.writeFile(u"extra.rar"_s, wrapPackage(kMovie, 24));
    chainUnpack(tree.abs(u"extra.rar"_s), tree.abs(u"s"_s), tree.abs(u"final.rar"_s));
    QByteArray final = readFile(tree.abs(u"final.rar"_s));
    EXPECT_NE(final, kMovie);
    unpackLayer(final);
    EXPECT_EQ(final, kMovie);

    // One too few: the last step would inflate the movie itself, which is no packed layer.
    tree.writeFile(u"short.rar"_s, wrapPackage(kMovie, 22));
    EXPECT_THROW(chainUnpack(tree.abs(u"short.rar"_s), tree.abs(u"t"_s), tree.abs(u"final2.rar"_s)), Failure);
    EXPECT_FALSE(tree.exists(u"final2.rar"_s));
}

TEST(TemplatePackage, EmptySourceGivesEmptyFiles)
{
    TempTree tree;
    tree.writeFile(u"empty.rar"_s, QByteArray());
    chainUnpack(tree.abs(u"empty.rar"_s), tree.abs(u"s"_s), tree.abs(u"final.ini"_s));
    EXPECT_TRUE(readFile(tree.abs(u"final.ini"_s)).isEmpty());
    EXPECT_TRUE(readFile(tree.abs(u"s-22.rar"_s)).isEmpty());
}

TEST(TemplatePackage, SecondUnpackOverwritesTheSameNames)
{
    TempTree tree;
    tree.writeFile(u"p.rar"_s, wrapPackage("first"));
    chainUnpack(tree.abs(u"p.rar"_s), tree.abs(u"s"_s), tree.abs(u"final.ini"_s));
    tree.writeFile(u"p.rar"_s, wrapPackage("second, longer"));
    chainUnpack(tree.abs(u"p.rar"_s), tree.abs(u"s"_s), tree.abs(u"final.ini"_s));
    EXPECT_EQ(readFile(tree.abs(u"final.ini"_s)), QByteArray("second, longer"));
}

TEST(PackedLayer, DamagedLayersAreRefused)
{
    const QByteArray stream = zlibOf("hello template");
    const struct
    {
        const char *what;
        QByteArray layer;
    } cases[] = {
        {"shorter than its length field", QByteArray("\x05\x00", 2)},
        {"negative length", lengthPrefix(-1) + stream},
        {"absurd length", lengthPrefix(0x7FFFFFFF) + stream},
        {"stream shorter than stated", lengthPrefix(20) + stream},
        {"stream longer than stated", lengthPrefix(5) + stream},
        {"cut-off stream", lengthPrefix(14) + stream.left(stream.size() - 6)},
        {"not a zlib stream", lengthPrefix(14) + QByteArray("not zlib at all!")},
    };
    for (const auto &c : cases) {
        QByteArray buffer = c.layer;
        EXPECT_THROW(unpackLayer(buffer), Failure) << c.what;
    }
    QByteArray good = lengthPrefix(14) + stream;
    unpackLayer(good);
    EXPECT_EQ(good, QByteArray("hello template"));
}

// A stated length no stream of that size can inflate to is refused as an invalid length
// before anything is allocated for it, while a real stream at deflate's best ratio still
// unpacks.
TEST(PackedLayer, LengthTheStreamCannotHoldIsRefusedUpFront)
{
    const QByteArray zeros(4 << 20, '\0');
    const QByteArray stream = zlibOf(zeros);
    ASSERT_LT(stream.size(), zeros.size() / 500) << "the fixture must be near deflate's best ratio";

    QByteArray best = lengthPrefix(qint32(zeros.size())) + stream;
    unpackLayer(best);
    EXPECT_EQ(best, zeros);

    const struct
    {
        const char *what;
        QByteArray layer;
    } cases[] = {
        {"largest payload from a few bytes", lengthPrefix(qint32(kMaxPackedPayload)) + zlibOf("tiny")},
        {"more than 1032 bytes per stream byte", lengthPrefix(qint32(1032 * stream.size() + 1)) + stream},
        {"any length from no stream", lengthPrefix(1)},
    };
    for (const auto &c : cases) {
        QByteArray buffer = c.layer;
        try {
            unpackLayer(buffer);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const Failure &failure) {
            EXPECT_TRUE(failure.message().contains(u"声明的长度无效"_s)) << c.what << ": " << failure.message().toStdString();
        }
    }
}

TEST(TemplatePackage, DamageDeepInsideStopsWithTheFilesSoFarKept)
{
    TempTree tree;
    QByteArray inner = lengthPrefix(100) + QByteArray("garbage that is not a stream");
    for (int i = 0; i < 4; ++i)
        inner = packLayer(inner);
    tree.writeFile(u"p.rar"_s, inner);

    try {
        chainUnpack(tree.abs(u"p.rar"_s), tree.abs(u"s"_s), tree.abs(u"final.rar"_s));
        FAIL() << "expected a failure";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"p.rar"_s)) << failure.message().toStdString();
    }
    EXPECT_TRUE(tree.exists(u"s-4.rar"_s));
    EXPECT_FALSE(tree.exists(u"s-5.rar"_s));
    EXPECT_FALSE(tree.exists(u"final.rar"_s));
}

TEST(TemplatePackage, MissingSourceNamesTheFile)
{
    TempTree tree;
    try {
        chainUnpack(tree.abs(u"nothing.rar"_s), tree.abs(u"s"_s), tree.abs(u"f"_s));
        FAIL() << "expected a failure";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"nothing.rar"_s));
    }
}
