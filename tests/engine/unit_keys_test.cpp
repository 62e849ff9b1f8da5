#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

using enum EntryState;

// Key characters of time and date mode: A..F are the unit keys 11..16 (date
// mode: A 年, B 月, C 日, E 曜, F 暦; time mode: C 日, D 時, E 分, F 秒),
// I 整列, O 変換, S the next time unit, ':' the next date unit. The clock
// reads 2024-05-03 14:25:36. A completed "+ - * /" calculation leaves an
// operator pending, so the result is the first operand of the next one.
struct KeyCase {
    const char* keys;
    const char* display;
    EntryState entryState;
};

class UnitKeysTest : public testing::CalculatorTest {
  protected:
    void run(CalcMode mode, const KeyCase& c) {
        SCOPED_TRACE(c.keys);
        start(mode);
        calc.PushBBtn(kAllClear);
        view.boxes.clear();
        keys(c.keys);
        EXPECT_EQ(display(), c.display);
        EXPECT_EQ(calc.state().entry.state(), c.entryState);
        EXPECT_TRUE(view.boxes.empty());
    }
};

using TimeKeys = UnitKeysTest;
using DateKeys = UnitKeysTest;

TEST_F(TimeKeys, UnitKeysAppendUnitsOrTheCurrentTime) {
    for (const KeyCase& c : {
             KeyCase{"D", "14時", FirstOperand},
             KeyCase{"C", "3日", FirstOperand},
             KeyCase{"E", "25分", FirstOperand},
             KeyCase{"F", "36秒", FirstOperand},
             KeyCase{"90E", "90分", FirstOperand},
             KeyCase{"1C2D", "1日2時", FirstOperand},
             KeyCase{"1C2DD", "1日2時", FirstOperand},
             KeyCase{"1CD", "1日14時", FirstOperand},
             KeyCase{"1C2D3E4F", "1日2時3分4秒", FirstOperand},
             KeyCase{"AB", "0", ResultShown},
         }) {
        run(CalcMode::Time, c);
    }
}

TEST_F(TimeKeys, NextUnitKeyPressesTheFirstMissingUnit) {
    for (const KeyCase& c : {
             KeyCase{"1C2DS", "1日2時25分", FirstOperand},
             KeyCase{"1S2S3S4S", "1日2時3分4秒", FirstOperand},
             KeyCase{"1C2D3E4FS", "1日2時3分4秒", FirstOperand},
             KeyCase{"1D:", "1時", FirstOperand},
         }) {
        run(CalcMode::Time, c);
    }
}

TEST_F(TimeKeys, ArrangeAndConvert) {
    for (const KeyCase& c : {
             KeyCase{"3E1DI", "1時3分", FirstOperand},
             KeyCase{"I", "0", ResultShown},
             KeyCase{"1C2D3E4FO", "1日2時3分4秒", FirstOperand},
             KeyCase{"1C2D3E4FOO", "26時3分4秒", FirstOperand},
             KeyCase{"75O", "75", FirstOperand},
         }) {
        run(CalcMode::Time, c);
    }
}

TEST_F(TimeKeys, Calculations) {
    for (const KeyCase& c : {
             KeyCase{"1D+30E=", "1時30分0秒", OperatorPending},
             KeyCase{"1D+30E+", "1時30分0秒", OperatorPending},
             KeyCase{"3*1D=", "3時0分0秒", OperatorPending},
             KeyCase{"23D+2D=", "1日1時0分0秒", OperatorPending},
         }) {
        run(CalcMode::Time, c);
    }
}

// A number after the last unit takes the next smaller unit when an operator
// reads it; after 秒 the operator is refused and the message says why.
TEST_F(TimeKeys, ANumberAfterTheLastUnitTakesTheNextSmallerUnit) {
    for (const KeyCase& c : {
             KeyCase{"8D45+7D30=", "16時15分0秒", OperatorPending},
             KeyCase{"1C2=", "1日2時", ResultShown},
             KeyCase{"1D30E15+1F=", "1時30分16秒", OperatorPending},
             KeyCase{"8S45+1D=", "9日22時0分0秒", OperatorPending},
             KeyCase{"5F3+", "5秒3", FirstOperand},
         }) {
        run(CalcMode::Time, c);
    }
    EXPECT_EQ(calc.status().strip(), "秒の後に単位のない数は置けません");
    keys("Z8D45+");
    const std::vector<std::string> lines = historyLines();
    EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()),
              (std::vector<std::string>{"1: 8時45分", "#+"}));
}

// With TimeColon the next-unit key reads h:m:s, as paste does.
TEST_F(TimeKeys, NextUnitKeyReadsHoursMinutesSecondsWithTimeColon) {
    calc.editSettings([](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].TimeColon = true; });
    for (const KeyCase& c : {
             KeyCase{"8S45+7S30=", "16時15分0秒", OperatorPending},
             KeyCase{"8S45S30", "8時45分30", FirstOperand},
             KeyCase{"1C2S", "1日2時", FirstOperand},
             KeyCase{"8S45+S", "14時", SecondOperand},
             KeyCase{"1S2S3S4S", "1時2分3秒4", FirstOperand},
         }) {
        run(CalcMode::Time, c);
    }
    EXPECT_EQ(calc.status().strip(), "秒の後に単位のない数は置けません");
}

TEST_F(TimeKeys, CalculationIsRecordedInTheHistory) {
    start(CalcMode::Time);
    keys("1D+30E=");
    const std::vector<std::string> expected = {"1: 1時", "#+", "2: 30分", "#="};
    EXPECT_EQ(historyLines(), expected);
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "1時30分0秒");
}

TEST_F(TimeKeys, MeaninglessCombinationKeepsTheRightOperand) {
    start(CalcMode::Time);
    keys("2/1D=");
    EXPECT_EQ(display(), "1時");
    EXPECT_EQ(calc.status().strip(), "論理エラー");
}

TEST_F(DateKeys, CalendarDateEntry) {
    for (const KeyCase& c : {
             KeyCase{"F", "c 0", ResultShown},
             KeyCase{"FA", "c 2024年", FirstOperand},
             KeyCase{"F0A", "c 2024年", FirstOperand},
             KeyCase{"F24A", "c 2024年", FirstOperand},
             KeyCase{"F999A", "c 2999年", FirstOperand},
             KeyCase{"F1600A", "c 1600年", FirstOperand},
             KeyCase{"F3000A", "c 3000年", FirstOperand},
             KeyCase{"F2024AA", "c 2024年", FirstOperand},
             KeyCase{"F2024AB", "c 2024年5月", FirstOperand},
             KeyCase{"F2024A0B", "c 2024年5月", FirstOperand},
             KeyCase{"F2024A12B", "c 2024年12月", FirstOperand},
             KeyCase{"F2024A5BC", "c 2024年5月3日", FirstOperand},
             KeyCase{"F2024A5B31C", "c 2024年5月31日", FirstOperand},
             KeyCase{"F2024A5B3CD", "c 2024年5月3日", FirstOperand},
             KeyCase{"F2024:5:3:", "c 2024年5月3日", FirstOperand},
             KeyCase{"F2024:5:3::", "c 2024年5月3日", FirstOperand},
             KeyCase{"F2024S", "c 2024", FirstOperand},
         }) {
        run(CalcMode::Date, c);
    }
}

TEST_F(DateKeys, OutOfRangePartsOpenABoxAndChangeNothing) {
    struct Case {
        const char* keys;
        const char* display;
        const char* box;
    };
    for (const Case& c : {
             Case{"F1599A", "c 1599", "値が範囲外です(年:1600～3000)"},
             Case{"F1000A", "c 1000", "値が範囲外です(年:1600～3000)"},
             Case{"F3001A", "c 3001", "値が範囲外です(年:1600～3000)"},
             Case{"F2024A13B", "c 2024年13", "値が範囲外です(月:1～12)"},
             Case{"F2024A5B32C", "c 2024年5月32", "値が範囲外です(日:1～31)"},
         }) {
        SCOPED_TRACE(c.keys);
        start(CalcMode::Date);
        calc.PushBBtn(kAllClear);
        view.boxes.clear();
        view.boxKinds.clear();
        keys(c.keys);
        EXPECT_EQ(display(), c.display);
        ASSERT_EQ(view.boxes.size(), 1u);
        EXPECT_EQ(view.boxes[0], c.box);
        EXPECT_EQ(view.boxKinds[0], BoxKind::Error);
    }
}

TEST_F(DateKeys, AResultBeyondTheCalendarIsAJapaneseConversionError) {
    start(CalcMode::Date);
    keys("F3000A12B31C+8000A=");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0], "*** エラー ***\r\n変換エラー");
}

TEST_F(DateKeys, DurationsWeekdayAndCalendarToggle) {
    for (const KeyCase& c : {
             KeyCase{"3A", "3年", FirstOperand},
             KeyCase{"3A2B", "3年2月", FirstOperand},
             KeyCase{"3A2BC", "3年2月", FirstOperand},
             KeyCase{"2B3AI", "3年2月", FirstOperand},
             KeyCase{"400CO", "1年1月4.3125日", FirstOperand},
             KeyCase{"E", "c 2024年5月3日(金)", FirstOperand},
             KeyCase{"EF", "2024年5月3日", FirstOperand},
             KeyCase{"EFF", "c 2024年5月3日", FirstOperand},
             KeyCase{"F2024A2B30CE", "c 2024年2月29日(木)", FirstOperand},
             KeyCase{"5F", "c 5", FirstOperand},
             KeyCase{"2024AF", "c 2024年", FirstOperand},
             KeyCase{"3AF", "3年", FirstOperand},
             KeyCase{"1P5AF", "1.5年", FirstOperand},
             KeyCase{"2024A5B3C1F", "2024年5月3日1", FirstOperand},
             KeyCase{"EI", "c 2024年5月3日", FirstOperand},
         }) {
        run(CalcMode::Date, c);
    }
}

TEST_F(DateKeys, WeekdayKeyShowsTheInformationLine) {
    start(CalcMode::Date);
    keys("F2024A5B3CE");
    EXPECT_EQ(display(), "c 2024年5月3日(金)");
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "西暦2024(令和6)年5月3日(金) 月齢24.4");
}

TEST_F(DateKeys, Calculations) {
    for (const KeyCase& c : {
             KeyCase{"F2024A1B31C+1B=", "c 2024年2月29日", OperatorPending},
             KeyCase{"F2024A3B1C-2023A3B1CF=", "366日", OperatorPending},
             KeyCase{"1B-2B=", "-1月0日", OperatorPending},
             KeyCase{"E+30C=", "c 2024年6月2日", OperatorPending},
             KeyCase{"F2024A5B3C-1C=", "c 2024年5月2日", OperatorPending},
         }) {
        run(CalcMode::Date, c);
    }
}

TEST_F(DateKeys, ProductWithACalendarDateIsALogicError) {
    start(CalcMode::Date);
    keys("F2024A1B1C*2=");
    EXPECT_EQ(display(), "2");
    EXPECT_EQ(calc.status().strip(), "論理エラー");
}

}  // namespace
}  // namespace tavrik

namespace tavrik {
namespace {

using TimeUnitKeyAfterResultTest = testing::CalculatorTest;

TEST_F(TimeUnitKeyAfterResultTest, UnitKeyStartsANewEntryAfterAnOperatorOrAResult) {
    start(CalcMode::Time);
    keys("1D+F");  // 1時 + 秒 with nothing typed: the current second
    EXPECT_EQ(display(), "36秒");
    keys("=");
    EXPECT_EQ(display(), "1時0分36秒");
    keys("D");
    EXPECT_EQ(display(), "14時") << "a result is not extended by the current hour";
}

}  // namespace
}  // namespace tavrik
