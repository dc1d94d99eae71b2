// The output size window's choices and the names an album gets from the save dialog.
#include "app/project/dialog_states.h"
#include "render/output/output_kind.h"
#include "render/output/output_naming.h"
#include "render/output/output_size_selection.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

std::string nameOf(OutputKind kind)
{
    return outputKindToken(kind).toStdString();
}

} // namespace

TEST(OutputKindTest, TokensReadBackAndUnknownTextsAreNoKind)
{
    for (OutputKind kind : kOutputKinds)
        EXPECT_EQ(outputKindFromToken(outputKindToken(kind)), kind) << nameOf(kind);
    EXPECT_EQ(outputKindToken(OutputKind::PictureSequence), u"XLTP"_s);
    EXPECT_EQ(outputKindFromToken(u"dvd"), std::nullopt) << "tokens compare case-sensitively";
    EXPECT_EQ(outputKindFromToken(u""), std::nullopt);
}

TEST(OutputSizesTest, EveryKindOffersItsListAndOpensAt1280By720)
{
    const struct
    {
        OutputKind kind;
        int count;
        QString largest;
    } cases[] = {
        {OutputKind::Vcd, 5, u"1280 × 720"_s},
        {OutputKind::Svcd, 8, u"1920 × 1080"_s},
        {OutputKind::Dvd, 8, u"1920 × 1080"_s},
        {OutputKind::Avi, 8, u"1920 × 1080"_s},
        {OutputKind::PictureSequence, 8, u"1920 × 1080"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(nameOf(c.kind));
        const QStringList texts = sizeChoiceTexts(c.kind);
        ASSERT_EQ(texts.size(), c.count);
        EXPECT_EQ(texts.first(), u"320 × 176"_s);
        EXPECT_EQ(texts.last(), c.largest);

        const OutputSizeSelection selection(c.kind);
        EXPECT_EQ(selection.sizeIndex(), 4);
        EXPECT_EQ(selection.shownSize(), u"1280 × 720"_s);
        EXPECT_EQ(selection.size(), (OutputSize{1280, 720}));
        Form39State state;
        selection.writeTo(state);
        EXPECT_EQ(state.Edit_chicun_width.text(), u"1280"_s);
        EXPECT_EQ(state.Edit_chicun_height.text(), u"720"_s);
    }
    EXPECT_EQ(sizeChoiceTexts(OutputKind::Dvd),
              (QStringList{u"320 × 176"_s, u"464 × 256"_s, u"640 × 368"_s, u"800 × 480"_s, u"1280 × 720"_s,
                           u"1440 × 816"_s, u"1600 × 896"_s, u"1920 × 1080"_s}));
}

TEST(OutputSizeSelectionTest, ChoosingASizeSetsTheChosenWidthAndHeight)
{
    OutputSizeSelection dvd(OutputKind::Dvd);
    dvd.chooseSize(7);
    EXPECT_EQ(dvd.shownSize(), u"1920 × 1080"_s);
    EXPECT_EQ(dvd.shownKind(), u"DVD"_s);
    Form39State state;
    dvd.writeTo(state);
    EXPECT_EQ(state.Edit_chicun_width.text(), u"1920"_s);
    EXPECT_EQ(state.Edit_chicun_height.text(), u"1080"_s);

    // A drop-down being cleared reports -1; nothing past the list exists.
    for (int outside : {-1, 8, 100}) {
        dvd.chooseSize(outside);
        EXPECT_EQ(dvd.sizeIndex(), 7) << outside;
    }
    OutputSizeSelection vcd(OutputKind::Vcd);
    vcd.chooseSize(5);
    EXPECT_EQ(vcd.shownSize(), u"1280 × 720"_s) << "a VCD has no sixth size";
    vcd.chooseSize(0);
    EXPECT_EQ(vcd.size(), (OutputSize{320, 176}));
}

TEST(OutputSizeSelectionTest, PictureSequenceShowsItsFormatWhichASizeChangeResets)
{
    OutputSizeSelection sequence(OutputKind::PictureSequence);
    EXPECT_TRUE(sequence.offersPictureFormats());
    EXPECT_EQ(sequence.windowWidth(), 730);
    EXPECT_EQ(sequence.shownKind(), u"JPG"_s);

    sequence.chooseFormat(1);
    EXPECT_EQ(sequence.shownKind(), u"BMP"_s);
    EXPECT_EQ(sequence.pictureFormat(), u"BMP"_s);
    sequence.chooseSize(2);
    EXPECT_EQ(sequence.shownKind(), u"JPG"_s);
    EXPECT_EQ(sequence.shownSize(), u"640 × 368"_s);

    sequence.chooseFormat(3);
    sequence.chooseSize(7);
    sequence.chooseFormat(3);
    sequence.restoreDefault();
    EXPECT_EQ(sequence.shownSize(), u"1280 × 720"_s);
    EXPECT_EQ(sequence.shownKind(), u"JPG"_s);

    sequence.chooseFormat(4);
    EXPECT_EQ(sequence.pictureFormat(), u"JPG"_s) << "there are four formats";
}

TEST(OutputSizeSelectionTest, OtherKindsHaveNoPictureFormat)
{
    for (OutputKind kind : {OutputKind::Vcd, OutputKind::Svcd, OutputKind::Dvd, OutputKind::Avi}) {
        SCOPED_TRACE(nameOf(kind));
        OutputSizeSelection selection(kind);
        selection.chooseFormat(2);
        EXPECT_FALSE(selection.offersPictureFormats());
        EXPECT_EQ(selection.windowWidth(), 660);
        EXPECT_EQ(selection.pictureFormat(), QString());
        EXPECT_EQ(selection.shownKind(), outputKindToken(kind));
    }
}

TEST(OutputNamingTest, EveryKindGetsItsFilterOutputPathAndShownName)
{
    const struct
    {
        OutputKind kind;
        int format;
        QString chosen;
        QString filter;
        QString output;
        QString shown;
    } cases[] = {
        {OutputKind::Vcd, 0, u"/home/u/视频/海边"_s, u"VCD 格式相册 (*.mpg)"_s, u"/home/u/视频/海边.mpg"_s, u"海边"_s},
        {OutputKind::Svcd, 0, u"/a/album"_s, u"SVCD 格式相册 (*.mpg)"_s, u"/a/album.mpg"_s, u"album"_s},
        // The extension is appended whatever was typed.
        {OutputKind::Dvd, 0, u"/a/album.mpg"_s, u"DVD 格式相册 (*.mpg)"_s, u"/a/album.mpg.mpg"_s, u"album.mpg"_s},
        {OutputKind::Avi, 0, u"/a/b c/假期 2024"_s, u"AVI 格式相册 (*.avi)"_s, u"/a/b c/假期 2024.avi"_s,
         u"假期 2024"_s},
        {OutputKind::PictureSequence, 0, u"/a/frames"_s, u"生成 JPG 序列图片 (*.JPG)"_s, u"/a/frames/01.JPG"_s,
         u"frames"_s},
        {OutputKind::PictureSequence, 3, u"/a/序列/"_s, u"生成 PCX 序列图片 (*.PCX)"_s, u"/a/序列/01.PCX"_s,
         u"序列"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        OutputSizeSelection selection(c.kind);
        selection.chooseSize(3);
        selection.chooseFormat(c.format);

        EXPECT_EQ(saveFilter(c.kind, selection.pictureFormat()).dialogFilter(), c.filter);
        const AlbumRequest request = albumRequest(selection, c.chosen);
        EXPECT_EQ(request.kind, c.kind);
        EXPECT_EQ(request.videoOut, c.output);
        EXPECT_EQ(request.audioOut, c.output);
        EXPECT_EQ(request.shownName, c.shown);
        EXPECT_EQ(OutputSize({request.width, request.height}), selection.size());
        EXPECT_EQ(request.pictureFormat, selection.pictureFormat());
    }
}
