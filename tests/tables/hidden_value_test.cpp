#include "app/base/failure.h"
#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using velumo::Failure;
using velumo::HiddenValue;
using velumo::StringTable;

namespace {

TEST(HiddenValue, HoldsItsDefaultUntilSetAndReturnsToItOnReset)
{
    HiddenValue value{u"Edit_tubiao_liebiao"_s, u"tubiao"_s};
    EXPECT_EQ(value.text(), u"tubiao"_s);

    value.setText(u"liebiao"_s);
    EXPECT_EQ(value.text(), u"liebiao"_s);
    EXPECT_EQ(value.defaultText(), u"tubiao"_s);

    value.reset();
    EXPECT_EQ(value.text(), u"tubiao"_s);
}

TEST(HiddenValue, OwnNameDefaultIsTheNameItself)
{
    HiddenValue value = HiddenValue::defaultingToOwnName(u"Edit_chicun_width"_s);
    EXPECT_EQ(value.name(), u"Edit_chicun_width"_s);
    EXPECT_EQ(value.text(), u"Edit_chicun_width"_s);

    value.setText(u"720"_s);
    value.reset();
    EXPECT_EQ(value.text(), u"Edit_chicun_width"_s);
}

TEST(HiddenValue, NonNumericTextFailsNamingTheValue)
{
    const HiddenValue value = HiddenValue::defaultingToOwnName(u"Edit_ksc_xuhao_leijia"_s);
    try {
        (void)value.number();
        FAIL() << "number() accepted a non-numeric text";
    } catch (const Failure &failure) {
        EXPECT_EQ(failure.message(),
                  u"隐藏值 Edit_ksc_xuhao_leijia 的内容“Edit_ksc_xuhao_leijia”不是整数"_s);
    }
}

// Cells and values read numbers the same strict way: a token such as "wu" or a padded text
// must never pass for a number.
TEST(NumberText, CellsAndValuesAcceptOnlyPlainDecimalText)
{
    struct Case
    {
        QString text;
        std::optional<int> number;
    };
    const Case cases[] = {
        {u"12"_s, 12},
        {u"-3"_s, -3},
        {u"0"_s, 0},
        {u"007"_s, 7},
        {u"2147483647"_s, 2147483647},
        {u"-2147483648"_s, -2147483647 - 1},
        {u""_s, std::nullopt},
        {u"-"_s, std::nullopt},
        {u"1a"_s, std::nullopt},
        {u" 7"_s, std::nullopt},
        {u"7 "_s, std::nullopt},
        {u"+5"_s, std::nullopt},
        {u"--1"_s, std::nullopt},
        {u"1.5"_s, std::nullopt},
        {u"wu"_s, std::nullopt},
        {u"１２"_s, std::nullopt}, // full-width digits
        {u"2147483648"_s, std::nullopt},
        {u"-2147483649"_s, std::nullopt},
        {u"99999999999999999999"_s, std::nullopt},
    };

    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        StringTable table{u"ListView_daoru_yinyue"_s, {u"序号"_s, u"需要帧数"_s}};
        table.appendRow({u"1"_s, c.text});
        HiddenValue value{u"Edit_Num"_s, c.text};

        if (c.number) {
            EXPECT_EQ(table.cellNumber(0, 1), *c.number);
            EXPECT_EQ(value.number(), *c.number);
        } else {
            EXPECT_THROW((void)table.cellNumber(0, 1), Failure);
            EXPECT_THROW((void)value.number(), Failure);
        }
    }
}

} // namespace
