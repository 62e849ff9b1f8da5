#include <gtest/gtest.h>

#include "values/math_error.h"
#include "values/unit_context.h"
#include "values/unit_text.h"
#include "values/unit_value.h"

namespace tavrik {
namespace {

using testing::UnitContextTest;

struct SplitCase {
    const char* text;
    bool keepUnits;
    bool strict;
    bool found;
    UnitParts parts;
    bool reported;
};

class UnitTextSplit : public UnitContextTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(UnitTextSplit, FillsTheSlots) {
    const SplitCase& c = GetParam();
    const UnitSplit split = SplitUnitText(ctx, c.text, c.keepUnits, c.strict);
    EXPECT_EQ(split.hasUnits, c.found);
    EXPECT_EQ(split.parts, c.parts);
    EXPECT_EQ(errorShown(), c.reported ? "入力値形式エラー" : "");
}

INSTANTIATE_TEST_SUITE_P(
    UnitForms, UnitTextSplit,
    ::testing::Values(
        SplitCase{
            "1日2時3分4.5秒", false, false, true, {"", "0", "0", "1", "2", "3", "4.5", "0"}, false},
        SplitCase{"1日2時3分4.5秒",
                  true,
                  true,
                  true,
                  {"", "", "", "1日", "2時", "3分", "4.5秒", ""},
                  false},
        SplitCase{" c 2024年5月3日(金) ",
                  true,
                  true,
                  true,
                  {"c ", "2024年", "5月", "3日", "", "", "", ""},
                  false},
        SplitCase{"c5日", false, false, true, {"c ", "0", "0", "5", "0", "0", "0", "0"}, false},
        SplitCase{"c -1年", true, false, true, {"c -", "1年", "", "", "", "", "", ""}, false},
        SplitCase{"-3661秒", false, true, true, {"-", "0", "0", "0", "0", "0", "3661", "0"}, false},
        SplitCase{"0年0月-5日", false, true, true, {"", "0", "0", "-5", "0", "0", "0", "0"}, false},
        SplitCase{"3時(月)", true, true, true, {"", "", "", "", "3時", "", "", ""}, false},
        SplitCase{"(月)(日)3時", true, true, true, {"", "", "", "", "3時", "", "", ""}, false},
        SplitCase{"5月3月", false, false, true, {"", "0", "3", "0", "0", "0", "0", "0"}, false},
        SplitCase{"2年5", true, false, true, {"", "2年", "", "", "", "", "", "5"}, false},
        SplitCase{"35", true, true, false, {"", "", "", "", "", "", "", "35"}, false},
        SplitCase{"", false, true, false, {"", "0", "0", "0", "0", "0", "0", "0"}, false},
        SplitCase{"3時5", false, true, true, {"", "0", "0", "0", "3", "0", "0", "5"}, true},
        SplitCase{"3時5分x", true, true, true, {"", "", "", "", "3時", "5分", "", "x"}, true}));

struct ParseCase {
    CalcMode mode;
    const char* text;
    double value;
};

class UnitTextParse : public UnitContextTest, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(UnitTextParse, ReadsTheSplitText) {
    const ParseCase& c = GetParam();
    rules.mode = c.mode;
    const UnitParts parts = SplitUnitText(ctx, c.text, false, false).parts;
    EXPECT_DOUBLE_EQ(ParseUnitText(ctx, c.text, parts).real(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Modes, UnitTextParse,
                         ::testing::Values(ParseCase{CalcMode::Time, "1日2時3分4.5秒", 93784.5},
                                           ParseCase{CalcMode::Time, "-3661秒", -3661},
                                           ParseCase{CalcMode::Time, "1年2月3時", 10800},
                                           ParseCase{CalcMode::Time, "75", 0},
                                           ParseCase{CalcMode::Date, "1年2月3日", 429.125},
                                           ParseCase{CalcMode::Date, "-1月", -30.4375},
                                           ParseCase{CalcMode::Date, "0年0月-5日", -5},
                                           ParseCase{CalcMode::Date, "5時", 0},
                                           ParseCase{CalcMode::Decimal, "2時75", 75}));

TEST_F(UnitTextParse, CalendarTextsReadAsDateValues) {
    rules.mode = CalcMode::Date;
    const CalcValue date = ParseUnitText(ctx, "c 2024年5月3日(金)", {});
    EXPECT_EQ(date.kind(), ValueKind::Date);
    EXPECT_EQ(date.real(), 45415);
    const CalcValue invalid = ParseUnitText(ctx, "c 2024年2月30日", {});
    EXPECT_TRUE(invalid.isInteger());
    EXPECT_EQ(invalid.integer(), -1);
    EXPECT_EQ(errorShown(), "");
}

TEST_F(UnitTextParse, MalformedNumberFailsAsConversion) {
    const UnitParts parts = SplitUnitText(ctx, "1.2.3時", false, false).parts;
    try {
        ParseUnitText(ctx, "1.2.3時", parts);
        FAIL() << "no failure";
    } catch (const CalcFailure& failure) {
        EXPECT_EQ(failure.kind(), FailureKind::Convert);
    }
}

struct FormatCase {
    CalcMode mode;
    const char* text;
    int levelBefore;
    const char* expected;
    int levelAfter;
};

class UnitTextFormat : public UnitContextTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(UnitTextFormat, UsesTheLargestUnitsTheLevelAllows) {
    const FormatCase& c = GetParam();
    rules.mode = c.mode;
    const UnitForm form = FormatUnitValue(ctx, c.text, c.levelBefore);
    EXPECT_EQ(form.text, c.expected);
    EXPECT_EQ(form.level, c.levelAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Time, UnitTextFormat,
    ::testing::Values(FormatCase{CalcMode::Time, "90061.5秒", 9, "1日1時1分1.5秒", 3},
                      FormatCase{CalcMode::Time, "1日", 9, "1日0時0分0秒", 3},
                      FormatCase{CalcMode::Time, "119.5秒", 2, "2分-0.5秒", 1},
                      FormatCase{CalcMode::Time, "59.5秒", 2, "59.5秒", 9},
                      FormatCase{CalcMode::Time, "-3661秒", 9, "-1時1分1秒", 2},
                      FormatCase{CalcMode::Time, "-0秒", 9, "0秒", 9},
                      FormatCase{CalcMode::Time, "0秒", 3, "0秒", 9},
                      FormatCase{CalcMode::Time, "30分", 3, "30分0秒", 1},
                      FormatCase{CalcMode::Time, "2147483648秒", 9, "24855日3時14分8秒", 3},
                      FormatCase{CalcMode::Time, "100000日0.5秒", 9, "100000日0時0分0.5秒", 3},
                      FormatCase{CalcMode::Time, "75", 2, "75", 2}));

INSTANTIATE_TEST_SUITE_P(
    Date, UnitTextFormat,
    ::testing::Values(FormatCase{CalcMode::Date, "400日", 9, "1年1月4.3125日", 2},
                      FormatCase{CalcMode::Date, "365日", 9, "1年0月0日", 2},
                      FormatCase{CalcMode::Date, "364日", 9, "11月29.1875日", 1},
                      FormatCase{CalcMode::Date, "45日", 9, "1月14.5625日", 1},
                      FormatCase{CalcMode::Date, "60.5日", 9, "2月0.0625日", 1},
                      FormatCase{CalcMode::Date, "29日", 9, "29日", 9},
                      FormatCase{CalcMode::Date, "1年", 2, "12月0日", 1},
                      FormatCase{CalcMode::Date, "-1月", 9, "-1月0日", 1},
                      FormatCase{CalcMode::Date, "0年0月-5日", 9, "-5日", 9},
                      FormatCase{CalcMode::Date, "c 2024年5月3日", 2, "c 2024年5月3日", 2},
                      FormatCase{CalcMode::Date, "75", 9, "75", 9},
                      FormatCase{CalcMode::Decimal, "3時", 2, "3時", 2}));

TEST_F(UnitTextFormat, RepeatedUseStepsThroughSmallerUnits) {
    UnitForm form{"1日2時3分4秒"};
    const char* const steps[] = {"1日2時3分4秒", "26時3分4秒", "1563分4秒", "93784秒",
                                 "1日2時3分4秒"};
    for (const char* expected : steps) {
        form = FormatUnitValue(ctx, form.text, form.level);
        EXPECT_EQ(form.text, expected);
    }
    rules.mode = CalcMode::Date;
    form = {"400日"};
    for (const char* expected : {"1年1月4.3125日", "13月4.3125日", "400日", "1年1月4.3125日"}) {
        form = FormatUnitValue(ctx, form.text, form.level);
        EXPECT_EQ(form.text, expected);
    }
}

TEST_F(UnitTextFormat, AnyUnitLevelStartsFromTheLargestUnits) {
    const UnitForm form = FormatUnitValue(ctx, "93784秒", kAnyUnitLevel);
    EXPECT_EQ(form.text, "1日2時3分4秒");
    EXPECT_EQ(form.level, 3);
}

}  // namespace
}  // namespace tavrik
