#include <gtest/gtest.h>

#include <string>

#include "values/date_text.h"
#include "values/japanese_era.h"
#include "values/paste_case.h"
#include "values/pasted_number.h"
#include "values/unit_context.h"

namespace tavrik {
namespace {

using testing::PasteCase;

class OfficePasteTest : public testing::UnitContextTest {
  protected:
    OfficePasteTest() { rules.geometry = DisplayGeometry{25, 1, 16}; }
};

// Dates in a Japanese era, the first year as 元, and 千 in the amounts of
// receipts.
TEST_F(OfficePasteTest, EraDatesAndThousands) {
    constexpr auto D = CalcMode::Decimal, C = CalcMode::Date;
    const std::string notDecimal = "10進の数値として読めません";
    const std::string outside = "その元号の期間にない日付です";
    const PasteCase cases[] = {
        {D, "1万2千", "12000", ""},
        {D, "3千円", "3000", ""},
        {D, "1億2千万", "120000000", ""},
        {D, "¥2千500", "2500", ""},
        {D, "1.5千", "1500", ""},
        {D, "2千5000", "", notDecimal},
        {D, "千", "", notDecimal},
        {D, "1千2千", "", notDecimal},
        {C, "令和6年5月3日", "c 2024年5月3日", ""},
        {C, "令和６年５月３日(金)", "c 2024年5月3日", ""},
        {C, "R6.5.3", "c 2024年5月3日", ""},
        {C, "r6/5/3", "c 2024年5月3日", ""},
        {C, "H31.4.30", "c 2019年4月30日", ""},
        {C, "平成31年4月30日", "c 2019年4月30日", ""},
        {C, "令和元年5月1日", "c 2019年5月1日", ""},
        {C, "昭和64年1月7日", "c 1989年1月7日", ""},
        {C, "S20.8.15", "c 1945年8月15日", ""},
        {C, "M45.7.29", "c 1912年7月29日", ""},
        {C, "T1.7.30", "c 1912年7月30日", ""},
        {C, "H31.5.1", "", outside},
        {C, "令和1年4月30日", "", outside},
        {C, "昭和64年1月8日", "", outside},
        {C, "明治1年1月1日", "", outside},
        {C, "令和6年2月30日", "", "存在しない日付です"},
        {C, "令和0年5月1日", "", "存在しない日付です"},
        {C, "s41.521.05", "", "存在しない日付です"},
        {C, "令和6年5月", "", "日付として読めません"},
        {C, "R6.5.3.1", "", "日付として読めません"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.clipboard);
        rules.mode = c.mode;
        const PastedNumber pasted = ReadPastedNumber(ctx, c.clipboard);
        EXPECT_EQ(pasted.text, c.display);
        EXPECT_EQ(pasted.refusal, c.refusal);
    }
}

TEST(Gannen, WritesTheFirstYearOfAnEraAs元) {
    EXPECT_EQ(GannenForm("令和1"), "令和元");
    EXPECT_EQ(GannenForm("平成11"), "平成11");
    EXPECT_EQ(GannenForm("令和6"), "令和6");
    EXPECT_EQ(GannenForm(""), "");
}

TEST_F(OfficePasteTest, InformationLineShows元年OnlyWhenAsked) {
    rules.mode = CalcMode::Date;
    CompleteDateText(ctx, "c 2019年5月1日", true);
    EXPECT_EQ(infoShown(), "西暦2019(令和1)年5月1日(水) 月齢25.8");
    rules.office.firstYearGannen = true;
    CompleteDateText(ctx, "c 2019年5月1日", true);
    EXPECT_EQ(infoShown(), "西暦2019(令和元)年5月1日(水) 月齢25.8");
}

}  // namespace
}  // namespace tavrik
