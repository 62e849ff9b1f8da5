#include <gtest/gtest.h>

#include <limits>

#include "support/recording_view.h"
#include "values/math_error.h"
#include "values/number_text.h"

namespace tavrik {
namespace {

class NumberTextTest : public ::testing::Test {
  protected:
    NumberTextTest() : status(view), errors(view, status, log), services{errors, status, clock} {}

    std::string format(long double value) { return FormatValue(ctx, value).value(); }

    testing::RecordingView view;
    NullLog log;
    StatusLine status;
    ErrorReporter errors;
    FixedClock clock{DateTime{}};
    ValueRules rules;
    ValueServices services;
    ValueContext ctx{rules, services};
};

TEST_F(NumberTextTest, ReadsDecimalTexts) {
    EXPECT_EQ(ParseValueText(ctx, "1,234.5").real(), 1234.5);
    EXPECT_EQ(ParseValueText(ctx, "1234.5").real(), 1234.5);
    EXPECT_EQ(ParseValueText(ctx, "-0.25").real(), -0.25);
    EXPECT_EQ(ParseValueText(ctx, "1.5E-7").real(), 1.5E-7L);
    EXPECT_EQ(ParseValueText(ctx, "0.").real(), 0.0);
    EXPECT_EQ(status.strip(), "");
    EXPECT_EQ(view.beeps, 0);
}

TEST_F(NumberTextTest, EmptyTextIsZeroWithoutMessage) {
    const CalcValue v = ParseValueText(ctx, "");
    EXPECT_EQ(v.kind(), ValueKind::Small);
    EXPECT_EQ(v.extended(), 0);
    EXPECT_EQ(view.beeps, 0);
}

TEST_F(NumberTextTest, UnreadableTextsAreConversionErrors) {
    for (const char* text : {"d 1,234", "abc", "1.2.3", "h XYZ", "1E", "inf", "--1"}) {
        SCOPED_TRACE(text);
        view.beeps = 0;
        EXPECT_THROW(ParseValueText(ctx, text), ReportedFailure) << "never a made-up 0";
        EXPECT_EQ(status.strip(), "ERROR: Convert");
        EXPECT_EQ(view.beeps, 1);
        EXPECT_EQ(errors.errorCount(), 0) << "the reader's own report is not counted";
    }
}

TEST_F(NumberTextTest, ReadsMixedModeTexts) {
    rules.geometry.hexWidth = 16;
    EXPECT_EQ(ParseValueText(ctx, "h -FF").integer(), -255);
    EXPECT_EQ(ParseValueText(ctx, "h FFFFFFFFFFFFFFFF").integer(), -1);
    EXPECT_EQ(ParseValueText(ctx, "d -255").kind(), ValueKind::Int64);
    rules.geometry.hexWidth = 8;
    EXPECT_EQ(ParseValueText(ctx, "h FFFFFFFF").kind(), ValueKind::Int32);
    EXPECT_EQ(ParseValueText(ctx, "h FFFFFFFF").integer(), -1);
}

TEST_F(NumberTextTest, EveryTextTheFormatterWritesReadsBack) {
    rules.geometry = {400, 1, 16};
    long double squaredFiveTimes = 9999999999.0L;
    for (int i = 0; i < 5; ++i) squaredFiveTimes *= squaredFiveTimes;
    for (const long double value :
         {squaredFiveTimes, -1e-4940L, std::numeric_limits<long double>::max(),
          std::numeric_limits<long double>::denorm_min()}) {
        const std::string text = format(value);
        EXPECT_EQ(format(ParseValueText(ctx, text).extended()), text);
    }
    EXPECT_EQ(ParseValueText(ctx, "9.9999999680000078E319").real(), 9.9999999680000078E319L);
    EXPECT_NEAR(ParseValueText(ctx, std::string(320, '9')).real() / 1e320L, 1.0L, 1e-15L)
        << "a history line of 320 digits";
    EXPECT_EQ(status.strip(), "");
}

TEST_F(NumberTextTest, ANumberThatDoesNotFitIsAnOverflowNeverZeroOrWrapped) {
    const struct {
        CalcMode mode;
        int hexWidth;
        const char* text;
    } cases[] = {
        {CalcMode::Decimal, 16, "1E5000"},
        {CalcMode::Mixed, 16, "h 1FFFFFFFFFFFFFFFF"},
        {CalcMode::Mixed, 16, "d 99999999999999999999"},
        {CalcMode::Mixed, 8, "h 7FFFFFFFFFFFFFFF"},
        {CalcMode::Mixed, 8, "h 1FFFFFFFF"},
        {CalcMode::Mixed, 8, "d 2147483648"},
        {CalcMode::Mixed, 8, "d -2147483649"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        rules.mode = c.mode;
        rules.geometry.hexWidth = c.hexWidth;
        status.DspMsg("", kMessageClear);
        EXPECT_THROW(ParseValueText(ctx, c.text), ReportedFailure);
        EXPECT_EQ(status.strip(), "オーバーフロー");
    }
    rules.geometry.hexWidth = 8;
    EXPECT_EQ(ParseValueText(ctx, "d -2147483648").integer(), INT32_MIN);
    rules.mode = CalcMode::Decimal;
    EXPECT_EQ(ParseValueText(ctx, "d 2147483648").integer(), 2147483648)
        << "a decimal word has 64 bits outside mixed mode";
}

TEST_F(NumberTextTest, FormatsMixedModeWords) {
    rules.mode = CalcMode::Mixed;
    rules.radix = Radix::Hex;
    rules.geometry.hexWidth = 16;
    EXPECT_EQ(format(-255), "h FFFFFFFFFFFFFF01");
    rules.geometry.hexWidth = 8;
    EXPECT_EQ(format(-255), "h FFFFFF01");
    EXPECT_EQ(format(2147483647), "h 7FFFFFFF");
    rules.radix = Radix::Decimal;
    EXPECT_EQ(format(-255), "d -255");
}

TEST_F(NumberTextTest, ThirtyTwoBitWordsReportOverflowOnBothSides) {
    rules.mode = CalcMode::Mixed;
    rules.geometry.hexWidth = 8;
    for (long double value : {2147483648.0L, -2147483649.0L}) {
        rules.radix = Radix::Hex;
        EXPECT_EQ(format(value), "h 0");
        EXPECT_EQ(status.strip(), "オーバーフロー");
        rules.radix = Radix::Decimal;
        EXPECT_EQ(format(value), "d 0");
    }
    EXPECT_EQ(format(-2147483648.0L), "d -2147483648");
}

TEST_F(NumberTextTest, GeneralFormUses15SignificantDigits) {
    EXPECT_EQ(format(0.1L + 0.2L), "0.3");
    EXPECT_EQ(format(static_cast<long double>(0.1) + static_cast<long double>(0.2)), "0.3");
    EXPECT_EQ(format(1e20L), "100000000000000000000");
    EXPECT_EQ(format(1.5e20L), "150000000000000000000");
    EXPECT_EQ(format(1e-7L), "0.0000001");
    EXPECT_EQ(format(1.5e-7L), "0.00000015");
    EXPECT_EQ(format(-2.5L), "-2.5");
    EXPECT_EQ(format(0.0L), "0");
    EXPECT_EQ(format(-0.0L), "0");
}

TEST_F(NumberTextTest, GeneralFormSwitchesToExponentOutsideItsRange) {
    struct Case {
        long double value;
        int precision;
        const char* text;
    };
    const Case cases[] = {
        {1.5e20L, 15, "1.5E20"},
        {1e-5L, 15, "1E-5"},
        {0.0001L, 15, "0.0001"},
        {123456789012345.0L, 15, "123456789012345"},
        {1e15L, 15, "1E15"},
        {-1.25e-9L, 15, "-1.25E-9"},
        {2.0L / 3.0L, 15, "0.666666666666667"},
        {123456.0L, 3, "1.23E5"},
        {999.0L, 3, "999"},
        // Written from the 80-bit value, capped at 18 significant digits: not
        // the binary64 value's 3.3333333333333334548E-11.
        {1.0L / 3 / 10000000000, 20, "3.33333333333333333E-11"},
    };
    for (const auto& c : cases) EXPECT_EQ(GeneralForm(c.value, c.precision), c.text);
}

TEST_F(NumberTextTest, DisplayRounding) {
    struct Case {
        int method, digits;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {1, -2, 2.345, "2.35"},
        {1, -2, 2.3449, "2.34"},
        {1, -2, -2.345, "-2.35"},
        {2, -2, 2.349, "2.34"},
        {2, -2, -2.3409, "-2.34"},
        {2, -2, -2.341, "-2.35"},
        {2, 0, -1.05, "-1"},
        {2, 0, -1.15, "-2"},
        {1, 3, 12345, "12000"},
        {1, 3, 12500, "13000"},
        {2, 0, 7.9, "7"},
        {2, 0, -7.05, "-7"},
        {2, 0, -7.1, "-8"},
        {0, -2, 2.345, "2.345"},
        {5, -2, 2.345, "2.345"},
        // Zero and the numbers that round to it show as "0", never "-0".
        {1, -2, 0.0, "0"},
        {1, -2, -0.0, "0"},
        {1, 0, 0.0, "0"},
        {1, -2, 0.0049, "0"},
        {1, -2, -0.0049, "0"},
        {1, -2, 0.005, "0.01"},
        {1, -2, -0.005, "-0.01"},
        {2, -2, 0.0, "0"},
        {2, -2, -0.0, "0"},
        // Truncation takes the same four-decimal step for non-negative values.
        {2, -1, 2.3, "2.3"},
        {2, -2, 2.3, "2.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        rules.roundM = c.method;
        rules.roundD = c.digits;
        EXPECT_EQ(format(c.value), c.text);
    }
}

TEST_F(NumberTextTest, RoundingBeyondTheCurrencyRangeOverflows) {
    struct Case {
        int method, digits;
        long double value;
    };
    // The last three hold a quotient inside the currency range whose rounding
    // offset carries it past the range: an overflow, never a flipped sign.
    const Case cases[] = {
        {1, -2, 10000000000000.0L},
        {1, 0, 922337203685477.5L},
        {1, -2, 9223372036854.775L},
        {2, 0, -922337203685477.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        rules.roundM = c.method;
        rules.roundD = c.digits;
        try {
            const std::string text = format(c.value);
            ADD_FAILURE() << "expected an overflow, got " << text;
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), FailureKind::Overflow);
        }
    }
    // Just inside the range the rounding still holds.
    rules.roundM = 1;
    rules.roundD = 0;
    EXPECT_EQ(format(922337203685477.0L), "922337203685477");
}

TEST_F(NumberTextTest, GroupsIntegerDigits) {
    rules.grouping = true;
    rules.geometry.displayWidth = 40;
    const std::pair<const char*, const char*> cases[] = {
        {"1234567.891", "1,234,567.891"},
        {"-123456", "-123,456"},
        {"-123", "-123"},
        {"1234.56789", "1,234.56789"},
        {"1,2,3,4", "1,234"},
        {"1.5E20", "1.5E20"},
        {"0.", "0."},
        {"1000", "1,000"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(GroupDigits(ctx, in), out);
    EXPECT_EQ(format(1e20L), "100,000,000,000,000,000,000");
}

TEST_F(NumberTextTest, WideTextsFallBackToAShorterGeneralForm) {
    rules.geometry.displayWidth = 25;
    EXPECT_EQ(format(1e20L), "100000000000000000000");
    rules.grouping = true;
    // 27 characters grouped do not fit 25 cells: precision 25 - 5 = 20.
    EXPECT_EQ(format(1e20L), "1E20");
    rules.grouping = false;
    EXPECT_EQ(format(1e25L), "1E25");
    // Exactly as wide as the display is too wide; one cell less fits.
    rules.geometry.displayWidth = 21;
    EXPECT_EQ(format(1e20L), "1E20");
    rules.geometry.displayWidth = 22;
    EXPECT_EQ(format(1e20L), "100000000000000000000");
    // A long exponent takes cells from the digits.
    rules.geometry.displayWidth = 25;
    EXPECT_EQ(format(-2.0L / 3e300L), "-6.6666666666666667E-301");
}

TEST_F(NumberTextTest, GroupingAppliesOnlyInDecimalMode) {
    rules.grouping = true;
    rules.mode = CalcMode::Mixed;
    EXPECT_EQ(GroupDigits(ctx, "d 123456"), "d 123456");
}

TEST_F(NumberTextTest, NegatesTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "-12"},     {"-12", "12"},   {"d 12", "d -12"},
        {"h -1F", "h 1F"}, {"3時", "-3時"}, {"0", "-0"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(NegateValueText(ctx, in), out);
    rules.mode = CalcMode::Date;
    EXPECT_EQ(NegateValueText(ctx, "c 2024年5月3日"), "c 2024年5月3日");
}

TEST_F(NumberTextTest, RecognisesZeroTexts) {
    EXPECT_TRUE(IsZeroText(ctx, "0"));
    EXPECT_TRUE(IsZeroText(ctx, "-0"));
    EXPECT_FALSE(IsZeroText(ctx, "0."));
    EXPECT_FALSE(IsZeroText(ctx, "0.0"));
    rules.mode = CalcMode::Mixed;
    EXPECT_TRUE(IsZeroText(ctx, "h 0"));
    EXPECT_TRUE(IsZeroText(ctx, "d -0"));
    EXPECT_FALSE(IsZeroText(ctx, "h 10"));
    rules.mode = CalcMode::Time;
    EXPECT_TRUE(IsZeroText(ctx, "3時"));
    EXPECT_TRUE(IsZeroText(ctx, "3時0"));
    EXPECT_FALSE(IsZeroText(ctx, "3時0."));
    EXPECT_FALSE(IsZeroText(ctx, "3時5"));
}

TEST_F(NumberTextTest, EntryPrefixes) {
    const std::tuple<CalcMode, Radix, const char*, bool, const char*> cases[] = {
        {CalcMode::Decimal, Radix::None, "", false, ""},
        {CalcMode::Decimal, Radix::None, "0", false, ""},
        {CalcMode::Decimal, Radix::None, "-0", false, "-"},
        {CalcMode::Mixed, Radix::Hex, "d 0", false, "d "},
        {CalcMode::Mixed, Radix::Hex, "d -0", false, "d -"},
        {CalcMode::Mixed, Radix::Decimal, "h 0", false, "h "},
        {CalcMode::Mixed, Radix::Decimal, "h -0", false, "h -"},
        {CalcMode::Date, Radix::None, "c 2024年", true, "c "},
        {CalcMode::Date, Radix::None, "c 2024年", false, ""},
        {CalcMode::Mixed, Radix::Hex, "d 15", false, "h "},
        {CalcMode::Mixed, Radix::Decimal, "h F", false, "d "},
        {CalcMode::Decimal, Radix::None, "12.5", false, ""},
    };
    for (const auto& [mode, radix, text, allowDate, prefix] : cases) {
        rules.mode = mode;
        rules.radix = radix;
        EXPECT_EQ(EntryPrefixOf(ctx, text, allowDate), prefix) << text;
    }
}

TEST_F(NumberTextTest, ZeroTextIsDecimalUnlessHexIsSelected) {
    EXPECT_EQ(ZeroText(rules), "0");
    rules.mode = CalcMode::Mixed;
    rules.radix = Radix::Hex;
    EXPECT_EQ(ZeroText(rules), "h 0");
    rules.radix = Radix::None;
    EXPECT_EQ(ZeroText(rules), "d 0");
}

TEST_F(NumberTextTest, FitsStoredTextsToTheMode) {
    struct Case {
        CalcMode mode;
        const char* text;
        const char* fitted;  // empty: rejected
    };
    const Case cases[] = {
        {CalcMode::Decimal, "12.5", "12.5"},
        {CalcMode::Mixed, "12", "d 12"},
        {CalcMode::Decimal, "d 255", "255"},
        {CalcMode::Mixed, "h FF", "h FF"},
        {CalcMode::Time, "3時", "3時"},
        {CalcMode::Date, "3時", ""},
        {CalcMode::Date, "2年", "2年"},
        {CalcMode::Time, "2年", ""},
        {CalcMode::Time, "5日", "5日"},
        {CalcMode::Date, "5日", "5日"},
        {CalcMode::Decimal, "5日", ""},
        {CalcMode::Date, "c 2024年5月3日", "c 2024年5月3日"},
        {CalcMode::Time, "c 2024年5月3日", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        rules.mode = c.mode;
        rules.radix = c.mode == CalcMode::Mixed ? Radix::Decimal : Radix::None;
        status.DspMsg("", kMessageClear);
        EXPECT_EQ(FitTextToMode(ctx, c.text), c.fitted);
        EXPECT_EQ(status.strip(), *c.fitted ? "" : "変換エラー");
    }
}

TEST_F(NumberTextTest, TrimsTrailingZeroCharacters) {
    EXPECT_EQ(TrimTrailingZeros("1.2500"), "1.25");
    EXPECT_EQ(TrimTrailingZeros("100"), "1");
    EXPECT_EQ(TrimTrailingZeros("000"), "");
    EXPECT_EQ(TrimTrailingZeros("0"), "");
    EXPECT_EQ(TrimTrailingZeros("3時0"), "3時");
}

TEST_F(NumberTextTest, ValueToIntRoundsTiesToEvenAndWraps) {
    EXPECT_EQ(ValueToInt(CalcValue::real(2.5)), 2);
    EXPECT_EQ(ValueToInt(CalcValue::real(3.5)), 4);
    EXPECT_EQ(ValueToInt(CalcValue::real(-2.5)), -2);
    EXPECT_EQ(ValueToInt(CalcValue::real(4294967297.0)), 1);
    EXPECT_THROW(ValueToInt(CalcValue::real(1e19)), CalcFailure);
    EXPECT_THROW(ValueToIntChecked(2147483648.0L), CalcFailure);
}

}  // namespace
}  // namespace tavrik
