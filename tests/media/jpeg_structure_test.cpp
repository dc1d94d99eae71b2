#include "media/photo/jpeg_structure.h"

#include "tests/support/jpeg_fixtures.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace velumo;
using namespace velumo::test;

namespace {

TEST(JpegStructure, CompleteFilesOfEveryKindPass)
{
    const QImage picture = quadrantPicture(QSize(64, 48));
    const JpegOptions kinds[] = {{}, {JpegColour::Grey}, {JpegColour::Cmyk}, {JpegColour::Rgb, true}, {JpegColour::Rgb, false, 6}};
    for (const JpegOptions &options : kinds) {
        const JpegStructure structure = inspectJpegStructure(encodeJpeg(picture, options));
        EXPECT_EQ(structure.problem, JpegStructureProblem::None);
        EXPECT_EQ(structure.frameSize, QSize(64, 48));
    }
}

// Decoders fill a cut-off photo with grey and call it a success; every prefix must be caught.
TEST(JpegStructure, EveryCutOffPrefixIsRefused)
{
    for (const bool progressive : {false, true}) {
        const QByteArray whole = encodeJpeg(quadrantPicture(QSize(40, 24)), {JpegColour::Rgb, progressive});
        for (qsizetype length = 0; length < whole.size(); ++length) {
            const JpegStructure structure = inspectJpegStructure(QByteArrayView(whole).first(length));
            ASSERT_NE(structure.problem, JpegStructureProblem::None) << "prefix of " << length << " bytes";
        }
    }
}

TEST(JpegStructure, TellsWhatIsWrong)
{
    const QByteArray good = encodeJpeg(quadrantPicture(QSize(16, 16)));
    QByteArray withoutFrame = good;
    const qsizetype sof = withoutFrame.indexOf(QByteArray("\xFF\xC0", 2));
    withoutFrame[sof + 1] = char(0xE5); // the frame header becomes an application segment
    struct Case
    {
        const char *name;
        QByteArray bytes;
        JpegStructureProblem problem;
    };
    const Case cases[] = {
        {"text", "just some text", JpegStructureProblem::NotJpeg},
        {"PNG signature", QByteArray("\x89PNG\r\n\x1a\n", 8) + good, JpegStructureProblem::NotJpeg},
        {"scan without frame", withoutFrame, JpegStructureProblem::NoFrame},
        {"zero-height frame", jpegClaimingSize(QSize(16, 0)), JpegStructureProblem::NoFrame},
        {"a small file claiming a big frame", jpegClaimingSize(QSize(4000, 3000)), JpegStructureProblem::TooLittleData},
        {"segment length below two", QByteArray("\xFF\xD8\xFF\xE0\x00\x01", 6), JpegStructureProblem::NotJpeg},
        {"trailer after the end is ignored", good + "camera trailer", JpegStructureProblem::None},
        {"fill bytes before a marker", QByteArray("\xFF\xD8\xFF\xFF\xFF", 5) + good.mid(3), JpegStructureProblem::None},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inspectJpegStructure(c.bytes).problem, c.problem);
    }
}

} // namespace
