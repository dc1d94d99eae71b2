#include "tools/template_author/library.h"

#include "players/swf/reader/movie_reader.h"
#include "templates/ini_file.h"
#include "templates/slot_list.h"
#include "tests/template_author/movie_bytes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::author;
using velumo::test::rootTags;
using velumo::test::toByteArray;

namespace {

constexpr std::uint16_t kShowFrame = 1;

QString expectedClass(const TemplateDesign &design)
{
    std::set<Orientation> kinds;
    for (const Slot &s : design.photoSlots)
        kinds.insert(s.orientation);
    if (kinds.size() != 1)
        return u"gaojimoban"_s;
    return orientationWord(*kinds.begin());
}

// Every template's movie, composed once for all tests of this file.
const QByteArray &movieOf(const TemplateDesign &design)
{
    static std::map<std::string, QByteArray> movies;
    auto it = movies.find(design.file);
    if (it == movies.end())
        it = movies.emplace(design.file, toByteArray(composeMovie(design))).first;
    return it->second;
}

std::string nameOf(const ::testing::TestParamInfo<std::size_t> &info)
{
    return templateLibrary()[info.param].file;
}

class EveryTemplate : public ::testing::TestWithParam<std::size_t>
{
protected:
    const TemplateDesign &design() const { return templateLibrary()[GetParam()]; }
};

} // namespace

TEST(Library, CoversEveryKindOfPhotoGroup)
{
    std::map<std::pair<QString, std::size_t>, int> kinds; // (class, slot count) -> templates
    bool fixed = false, fullScreen = false;
    for (const TemplateDesign &design : templateLibrary()) {
        ++kinds[{expectedClass(design), design.photoSlots.size()}];
        for (const Slot &s : design.photoSlots)
            (s.fullScreen() ? fullScreen : fixed) = true;
        EXPECT_GE(design.frames, 75) << design.file;
        EXPECT_LE(design.frames, 200) << design.file;
    }
    const struct
    {
        QString cls;
        std::size_t count;
        int atLeast;
    } wanted[] = {
        {u"heng"_s, 1, 10},   {u"shu"_s, 1, 10}, {u"shuheng"_s, 1, 3}, {u"heng"_s, 2, 5}, {u"shu"_s, 2, 5},
        {u"heng"_s, 3, 2},    {u"shu"_s, 3, 2},  {u"heng"_s, 4, 2},    {u"shu"_s, 4, 2},  {u"gaojimoban"_s, 2, 2},
    };
    for (const auto &w : wanted)
        EXPECT_GE((kinds[{w.cls, w.count}]), w.atLeast) << w.cls.toStdString() << " with " << w.count << " slots";
    EXPECT_GE(templateLibrary().size(), 40u);
    EXPECT_TRUE(fixed && fullScreen) << "both fixed-size and full-screen slots are used";
    EXPECT_TRUE(closingTemplate().photoSlots.empty());
}

TEST_P(EveryTemplate, ParameterFileDescribesTheMovie)
{
    const TemplateDesign &t = design();
    const QByteArray text = parameterFile(t);
    ASSERT_TRUE(text.contains("\r\n"));
    const IniFile ini = IniFile::parse(text);
    auto value = [&](const char *key) { return ini.value(u"1"_s, QString::fromLatin1(key)); };

    EXPECT_EQ(ini.value(u"l_x_w_j_s_y"_s, u"l_x_w_j_s_y"_s), u"s_y_l_x"_s);
    EXPECT_FALSE(value("mblx").isEmpty());
    EXPECT_FALSE(value("mbfl").isEmpty());

    bool ok = false;
    const int count = value("xpsl").toInt(&ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(count, int(t.photoSlots.size()));
    const QStringList widths = slotListItems(value("xpkd"));
    const QStringList heights = slotListItems(value("xpgd"));
    const QStringList orientations = slotListItems(value("szhz"));
    ASSERT_EQ(widths.size(), count);
    ASSERT_EQ(heights.size(), count);
    ASSERT_EQ(orientations.size(), count);
    for (int i = 0; i < count; ++i) {
        const Slot &slot = t.photoSlots[std::size_t(i)];
        EXPECT_EQ(widths[i].toInt(&ok), slot.width);
        EXPECT_TRUE(ok) << widths[i].toStdString();
        EXPECT_EQ(heights[i].toInt(&ok), slot.height);
        EXPECT_TRUE(ok) << heights[i].toStdString();
        EXPECT_EQ(slot.width == 0, slot.height == 0) << "a slot is either full screen or fixed in both directions";
        EXPECT_FALSE(slot.fullScreen() && slot.orientation == Orientation::Either)
            << "a full-screen picture's shape depends on the orientation";
    }
    // The class the catalogue will give: one orientation throughout, or the advanced table.
    const std::set<QString> distinct(orientations.begin(), orientations.end());
    EXPECT_EQ(distinct.size() == 1 ? *distinct.begin() : u"gaojimoban"_s, expectedClass(t));

    if (count == 1) {
        EXPECT_EQ(value("xpjpgmc"), u"picture_1.rar"_s);
    } else {
        QStringList names;
        for (int i = 1; i <= count; ++i)
            names << u"picture_%1.rar"_s.arg(i);
        EXPECT_EQ(slotListItems(value("xpjpgmc")), names);
    }

    const auto tags = rootTags(movieOf(t));
    int showFrames = 0;
    for (const auto &tag : tags.tags)
        showFrames += tag.code == kShowFrame;
    EXPECT_EQ(value("mbdx").toInt(), showFrames);
    EXPECT_EQ(int(tags.headerFrames), showFrames);
    EXPECT_EQ(showFrames, t.frames);
}

TEST_P(EveryTemplate, PlaceholdersLiveFromTheFirstFrameToTheLast)
{
    const TemplateDesign &t = design();
    const QByteArray &bytes = movieOf(t);
    const swf::Movie movie =
        swf::readMovie(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())));
    EXPECT_EQ(movie.version, 8);
    EXPECT_TRUE(bytes.startsWith("CWS"));
    EXPECT_EQ(movie.frameSize, (swf::Rect{0, 1920 * 20, 0, 1080 * 20}));
    EXPECT_DOUBLE_EQ(movie.frameRate, 25);

    ASSERT_FALSE(movie.root.frames.empty());
    const swf::Frame &first = movie.root.frames.front();
    EXPECT_FALSE(first.actions.empty()) << "frame 0 holds the loading script";
    std::map<std::string, int> clips; // name -> depth
    for (const swf::DisplayCommand &command : first.commands) {
        if (const auto *place = std::get_if<swf::PlaceCommand>(&command); place && place->name)
            clips[*place->name] = place->depth;
    }
    ASSERT_TRUE(clips.contains("scene"));
    EXPECT_EQ(clips.at("scene"), 1);
    for (std::size_t slot = 1; slot <= t.photoSlots.size(); ++slot)
        EXPECT_TRUE(clips.contains(QString::asprintf("p%zu", slot).toStdString())) << "slot " << slot;

    // A clip removed or replaced later would lose the picture loaded into it in frame 0.
    std::set<int> depths;
    for (const auto &[name, depth] : clips)
        depths.insert(depth);
    for (std::size_t f = 1; f < movie.root.frames.size(); ++f) {
        for (const swf::DisplayCommand &command : movie.root.frames[f].commands) {
            if (const auto *remove = std::get_if<swf::RemoveCommand>(&command)) {
                EXPECT_FALSE(depths.contains(remove->depth)) << "frame " << f << " removes depth " << remove->depth;
            }
            if (const auto *place = std::get_if<swf::PlaceCommand>(&command); place && depths.contains(place->depth)) {
                EXPECT_FALSE(place->characterId) << "frame " << f << " replaces depth " << place->depth;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Library, EveryTemplate, ::testing::Range<std::size_t>(0, templateLibrary().size()), nameOf);
