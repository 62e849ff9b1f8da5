#include <gtest/gtest.h>

#include "values/calendar.h"
#include "values/date_text.h"
#include "values/japanese_era.h"
#include "values/math_error.h"
#include "values/moon_age.h"
#include "values/unit_context.h"

namespace tavrik {
namespace {

using testing::UnitContextTest;

TEST(CalendarMonths, LengthsFollowTheLeapYearRule) {
    struct Case {
        int year, month, days;
    };
    for (const Case& c :
         {Case{1900, 2, 28}, Case{2000, 2, 29}, Case{2024, 2, 29}, Case{2023, 2, 28},
          Case{2100, 2, 28}, Case{2024, 4, 30}, Case{2024, 11, 30}, Case{2024, 1, 31},
          Case{2024, 12, 31}, Case{2024, 13, 31}, Case{2024, 0, 31}}) {
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
    }
}

TEST(CalendarValues, CountDaysFrom1899December30) {
    struct Case {
        CivilDate date;
        double value;
        int weekday;
    };
    for (const Case& c :
         {Case{{1899, 12, 30}, 0, 6}, Case{{1900, 1, 1}, 2, 1}, Case{{2024, 5, 3}, 45415, 5},
          Case{{1868, 9, 8}, -11435, 2}, Case{{2088, 1, 1}, 68668, 4},
          Case{{2024, 2, 29}, 45351, 4}, Case{{1600, 1, 1}, -109571, 6}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DateValueOf(c.date), c.value);
        const CivilDate back = CivilDateOf(c.value);
        EXPECT_EQ(back.year, c.date.year);
        EXPECT_EQ(back.month, c.date.month);
        EXPECT_EQ(back.day, c.date.day);
        EXPECT_EQ(IsoWeekday(c.value), c.weekday);
    }
}

TEST(CalendarValues, InvalidDatesHaveNoValue) {
    for (const CivilDate& date :
         {CivilDate{2023, 2, 29}, CivilDate{2024, 4, 31}, CivilDate{2024, 13, 1},
          CivilDate{2024, 0, 1}, CivilDate{2024, 1, 0}, CivilDate{0, 1, 1},
          CivilDate{10000, 1, 1},
          // a month or day past one byte must not wrap round to a real one
          CivilDate{1966, 521, 5}, CivilDate{2024, 1, 257}}) {
        EXPECT_FALSE(DateValueOf(date)) << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(CalendarEra, ShownOnlyInsideTheEraRange) {
    struct Case {
        CivilDate date;
        const char* era;
    };
    for (const Case& c :
         {Case{{1868, 9, 7}, ""}, Case{{1868, 9, 8}, "明治1"}, Case{{1912, 7, 29}, "明治45"},
          Case{{1912, 7, 30}, "大正1"}, Case{{1926, 12, 24}, "大正15"},
          Case{{1926, 12, 25}, "昭和1"}, Case{{1989, 1, 7}, "昭和64"}, Case{{1989, 1, 8}, "平成1"},
          Case{{2019, 4, 30}, "平成31"}, Case{{2019, 5, 1}, "令和1"},
          Case{{2087, 12, 31}, "令和69"}, Case{{2088, 1, 1}, ""}}) {
        EXPECT_EQ(JapaneseEraText(*DateValueOf(c.date)), c.era)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

TEST(MoonAge, CountsFromThePrecedingMeanNewMoon) {
    struct Case {
        double jd;
        const char* age;
    };
    for (const Case& c : {Case{2451549.625, "29.2"}, Case{2451550.625, "0.4"},
                          Case{45415 + 2415018.625, "24.4"}, Case{-73046 + 2415018.625, "10.7"}}) {
        EXPECT_EQ(MoonAgeText(c.jd), c.age) << c.jd;
    }
}

class DateText : public UnitContextTest {
  protected:
    DateText() { rules.mode = CalcMode::Date; }
};

TEST_F(DateText, WritesDateValues) {
    EXPECT_EQ(DateValueText(45356), "c 2024年3月5日");
    EXPECT_EQ(DateValueText(2), "c 1900年1月1日");
    EXPECT_EQ(DateValueText(-693593), "c 0001年1月1日");
    EXPECT_THROW(DateValueText(-693594), CalcFailure);
}

TEST_F(DateText, ReadsCalendarTexts) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c :
         {Case{"c 2024年5月3日", 45415}, Case{"c 2024年5月3日(金)", 45415},
          Case{"c 2024年3日5月", 45415}, Case{"c 2024年2月30日", -1}, Case{"c 2024年5月", -1},
          Case{"c 2024年5月0日", -1}, Case{"c 5月3日", -1}, Case{"c 2024年5月3日7", -1}}) {
        SCOPED_TRACE(c.text);
        const CalcValue value = ReadCalendarText(ctx, c.text);
        EXPECT_EQ(value.extended(), c.value);
        EXPECT_EQ(value.kind() == ValueKind::Date, c.value != -1);
    }
}

TEST_F(DateText, ArrangesPartsInCanonicalOrder) {
    struct Case {
        CalcMode mode;
        const char* text;
        const char* arranged;
        bool reported;
    };
    for (const Case& c :
         {Case{CalcMode::Date, "5日2年", "2年5日", false},
          Case{CalcMode::Date, "c 2024年5月3日(金)", "c 2024年5月3日", false},
          Case{CalcMode::Time, "3分1時", "1時3分", false},
          Case{CalcMode::Time, "3時0", "3時", true}, Case{CalcMode::Time, "3時5", "3時5", true},
          Case{CalcMode::Time, "0", "", false}, Case{CalcMode::Time, "12", "12", false}}) {
        SCOPED_TRACE(c.text);
        rules.mode = c.mode;
        status.DspMsg("", kMessageClear);
        EXPECT_EQ(CompleteDateText(ctx, c.text, false), c.arranged);
        EXPECT_EQ(errorShown(), c.reported ? "入力値形式エラー" : "");
        EXPECT_EQ(infoShown(), "");
    }
}

TEST_F(DateText, CompletesWithWeekdayAndInformationLine) {
    struct Case {
        const char* text;
        const char* completed;
        const char* info;
    };
    for (const Case& c : {
             Case{"c 0", "c 2024年5月3日(金)", "西暦2024(令和6)年5月3日(金) 月齢24.4"},
             Case{"c 2024年2月30日", "c 2024年2月29日(木)",
                  "西暦2024(令和6)年2月29日(木) 月齢19.1"},
             Case{"c 2023年2月29日", "c 2023年2月28日(火)", "西暦2023(令和5)年2月28日(火) 月齢7.8"},
             Case{"c 1700年1月1日", "c 1700年1月1日(金)", "西暦1700年1月1日(金) 月齢10.7"},
             Case{"c 1868年9月7日", "c 1868年9月7日(月)", "西暦1868年9月7日(月) 月齢19.9"},
             Case{"c 1868年9月8日", "c 1868年9月8日(火)", "西暦1868(明治1)年9月8日(火) 月齢20.9"},
             Case{"c 12月", "c 2024年12月3日(火)", "西暦2024(令和6)年12月3日(火) 月齢1.9"},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CompleteDateText(ctx, c.text, true), c.completed);
        EXPECT_EQ(infoShown(), c.info);
    }
}

TEST_F(DateText, DayTakenFromTodayIsClampedToTheMonth) {
    clock.set({2024, 1, 31, 9, 0, 0});
    EXPECT_EQ(CompleteDateText(ctx, "c 2月", true), "c 2024年2月29日(木)");
    clock.set({2023, 3, 31, 9, 0, 0});
    EXPECT_EQ(CompleteDateText(ctx, "c 4月", true), "c 2023年4月30日(日)");
}

TEST_F(DateText, DateThatStaysInvalidFailsAsConversion) {
    for (const char* text : {"c 2024年13月1日", "c 2024年5月0日", "c 2024.5年5月1日"}) {
        SCOPED_TRACE(text);
        try {
            CompleteDateText(ctx, text, true);
            ADD_FAILURE() << "no failure";
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), FailureKind::Convert);
        }
    }
}

}  // namespace
}  // namespace tavrik
