#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "settings/color_text.h"
#include "settings/pen_style.h"
#include "settings/setting_ranges.h"
#include "settings/value_readers.h"

namespace tavrik {
namespace {

TEST(SettingsValues, IntegersAreNumbersTruncatedTowardZeroThatFit32Bits) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"5", 5},
        {"-12", -12},
        {"+7", 7},
        {"2.9", 2},
        {"-2.9", -2},
        {"1e3", 1000},
        {"2147483647", 2147483647},
        {"-2147483648.9", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"3000000000", std::nullopt},
        {"abc", std::nullopt},
        {"5x", std::nullopt},
        {"$10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseIntValue(text), expected) << text;
}

TEST(SettingsValues, BooleansAreNumbersOrTrueFalseInAnyCase) {
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"1", true},           {"0", false},       {"2", true},           {"-1", true},
        {"True", true},        {"tRUE", true},     {"FALSE", false},      {"0.0", false},
        {"yes", std::nullopt}, {"", std::nullopt}, {"1 1", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseBoolValue(text), expected) << text;
}

TEST(SettingsValues, ReadersTakeTheDefaultForMissingEmptyOrUnconvertibleValues) {
    const ValueList values({{"Tax", ""},
                            {"Menu", "abc"},
                            {"ErrCtMax", "9999999999"},
                            {"Save", "maybe"},
                            {"Color", "clNothing"},
                            {"Text", "値"},
                            {"tax", "8"}});
    EXPECT_EQ(ReadIntValue(values, "Tax", 5), 5);
    EXPECT_EQ(ReadIntValue(values, "Menu", 0), 0);
    EXPECT_EQ(ReadIntValue(values, "ErrCtMax", 10), 10);
    EXPECT_EQ(ReadIntValue(values, "Missing", 3), 3);
    EXPECT_TRUE(ReadBoolValue(values, "Save", true));
    EXPECT_EQ(ReadColorValue(values, "Color", kClBtnShadow), kClBtnShadow);
    EXPECT_EQ(ReadTextValue(values, "TEXT", "d"), "値");
    EXPECT_EQ(ReadTextValue(values, "Tax", "d"), "d");
}

TEST(SettingsValues, ColorsReadIdentifiersDecimalAndDollarHex) {
    const std::pair<const char*, std::optional<Color>> cases[] = {
        {"clRed", 0x0000FF},
        {"CLBTNSHADOW", SystemColor(16)},
        {"clHotLight", SystemColor(26)},
        {"clMoneyGreen", 0xC0DCC0},
        {"clNone", kClNone},
        {"cldefault", kClDefault},
        {"$00123456", 0x123456},
        {"$ff", 0xFF},
        {"$FFFFFFFF", 0xFFFFFFFF},
        {"0x10", 0x10},
        {"255", 255},
        {"-1", 0xFFFFFFFF},
        {"$123456789", std::nullopt},
        {"$", std::nullopt},
        {"$-1", std::nullopt},
        {"4294967295", std::nullopt},
        {"clUnknown", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseColor(text), expected) << text;
}

TEST(SettingsValues, ColorTextUsesIdentifiersElseEightUpperCaseHexDigits) {
    const std::pair<Color, const char*> cases[] = {
        {0x000000, "clBlack"},
        {0xFF0000, "clBlue"},
        {SystemColor(16), "clBtnShadow"},
        {SystemColor(30), "clMenuBar"},
        {kClNone, "clNone"},
        {kClDefault, "clDefault"},
        {0x00ABCDEF, "$00ABCDEF"},
        {SystemColor(25), "$80000019"},
        {0xFFFFFFFF, "$FFFFFFFF"},
    };
    for (const auto& [color, text] : cases) {
        EXPECT_EQ(ColorText(color), text);
        EXPECT_EQ(ParseColor(text), color) << text;
    }
}

TEST(SettingsValues, PenStylesMatchByCaseSensitiveSubstringInOrder) {
    const std::pair<const char*, PenStyle> cases[] = {
        {"psInsideFrame", PenStyle::InsideFrame},
        {"psClear", PenStyle::Clear},
        {"DashDotDot", PenStyle::DashDotDot},
        {"DashDot", PenStyle::DashDot},
        {"psDot", PenStyle::Dot},
        {"psDash", PenStyle::Dash},
        {"psSolid", PenStyle::Solid},
        {"psdot", PenStyle::Solid},
        {"ClearDash", PenStyle::Clear},
    };
    for (const auto& [text, style] : cases) EXPECT_EQ(ParsePenStyle(text), style) << text;
    for (int i = 0; i <= static_cast<int>(PenStyle::InsideFrame); ++i) {
        const auto style = static_cast<PenStyle>(i);
        EXPECT_EQ(ParsePenStyle(PenStyleName(style)), style);
    }
}

// The ranges come from the lists of keys, of a set and of [Tavrik] alike.
TEST(SettingsValues, RangesAreThoseTheKeyListsGive) {
    const struct {
        const char* key;
        std::optional<SettingRange> range;
    } cases[] = {
        {"Pitch", kPitchRange},      {"LineH", kPanelLinesRange}, {"Zoom", kZoomRange},
        {"BoundsB", kKeyBoundRange}, {"Tax", kTaxRange},          {"Left", kWindowEdgeRange},
        {"RoundM", std::nullopt},    {"Menu", std::nullopt},      {"NoSuchKey", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(RangeOfKey(c.key), c.range) << c.key;
}

}  // namespace
}  // namespace tavrik
