#include <gtest/gtest.h>

#include <string>

#include "values/number_text.h"
#include "values/paste_case.h"
#include "values/pasted_number.h"
#include "values/plain_number.h"
#include "values/unit_context.h"

namespace tavrik {
namespace {

using testing::PasteCase;
using testing::UnitContextTest;

class PastedNumberTest : public UnitContextTest {
  protected:
    PastedNumberTest() { rules.geometry = DisplayGeometry{25, 1, 16}; }
};

TEST_F(PastedNumberTest, TextsByMode) {
    constexpr auto D = CalcMode::Decimal, H = CalcMode::Mixed, T = CalcMode::Time,
                   C = CalcMode::Date;
    const std::string notDecimal = "10進の数値として読めません";
    const PasteCase cases[] = {
        // Decimal: what web pages and spreadsheets give.
        {D, "1,234.5", "1234.5", ""},
        {D, "  -42\r\n", "-42", ""},
        {D, "+0.50", "0.5", ""},
        {D, "１，２３４．５", "1234.5", ""},
        {D, "－３", "-3", ""},
        {D, "\u22127", "-7", ""},
        {D, "▲1,000", "-1000", ""},
        {D, "¥1,980", "1980", ""},
        {D, "1,980円", "1980", ""},
        {D, "1.5E3", "1500", ""},
        {D, "2e-3", "0.002", ""},
        {D, "1億2345万", "123450000", ""},
        {D, "3兆", "3000000000000", ""},
        {D, "1.5万", "15000", ""},
        {D, ".25", "0.25", ""},
        {D, "007", "7", ""},
        {D, "-0", "0", ""},
        {D, "1,2", "", notDecimal},
        {D, "12,34,567", "", notDecimal},
        {D, "1.2.3", "", notDecimal},
        {D, "12abc", "", notDecimal},
        {D, "1e99999", "", notDecimal},
        {D, "2万1億", "", notDecimal},
        {D, "1e30", "1E30", ""},
        {D, "-3.3333333333333333300E-11", "-3.33333333333333333E-11", ""},
        {D, "1e-5000", "", "表示桁数に収まりません"},
        // Marks that look like digits are no digits.
        {D, "10²", "", notDecimal},
        {D, "2³", "", notDecimal},
        {D, "1200¹", "", notDecimal},
        {D, "H₂", "", notDecimal},
        {D, "①", "", notDecimal},
        {D, "⑫", "", notDecimal},
        {D, "𝟗𝟗", "", notDecimal},
        {D, "５㎡", "", notDecimal},
        {D, "\u3000８\u00a0", "8", ""},
        {D, "￥１００", "100", ""},
        {D, "12\n34", "", "複数の値は貼り付けられません"},
        {D, "1\t2", "", "複数の値は貼り付けられません"},
        {D, " \t\r\n\u3000", "", "貼り付ける数値がありません"},
        {D, "", "", "貼り付ける数値がありません"},
        {D,
         std::string("12\0"
                     "3",
                     4),
         "", notDecimal},
        {D,
         "\xff\xfe"
         "12",
         "", notDecimal},
        // Mixed.
        {H, "h 1F", "h 1F", ""},
        {H, "0xff", "h FF", ""},
        {H, "1Fh", "h 1F", ""},
        {H, "d 1,234", "d 1234", ""},
        {H, "d-5", "d -5", ""},
        {H, "123", "d 123", ""},
        {H, "h 1FFFFFFFFFFFFFFFF", "", "値が範囲を超えています"},
        {H, "9223372036854775808", "", "値が範囲を超えています"},
        {H, "1.5", "", "混合モードでは整数だけを貼り付けられます"},
        {H, "h 1G", "", "混合モードの数値として読めません"},
        // Time.
        {T, "1:30:00", "1時30分0秒", ""},
        {T, "12:05", "12時5分", ""},
        {T, "0:00:01.5", "0時0分1.5秒", ""},
        {T, "1時30分", "1時30分", ""},
        {T, "2日3時", "2日3時", ""},
        {T, "90", "90", ""},
        {T, "1:75", "", "時間として読めません"},
        {T, "30分1時", "", "時間として読めません"},
        {T, "1.5時30分", "", "時間として読めません"},
        // Date.
        {C, "2024/5/3", "c 2024年5月3日", ""},
        {C, "2024-05-03", "c 2024年5月3日", ""},
        {C, "2024年5月3日", "c 2024年5月3日", ""},
        {C, "c 2024年5月3日(金)", "c 2024年5月3日", ""},
        {C, "２０２４年５月３日", "c 2024年5月3日", ""},
        {C, "2年3月", "2年3月", ""},
        {C, "24年5月3日", "24年5月3日", ""},
        {C, "c 24年5月3日", "", "日付として読めません"},
        {C, "24/5/3", "", "日付として読めません"},
        {C, "1.5.3", "", "日付として読めません"},
        {C, "0024-5-3", "", "日付として読めません"},
        {C, "2024年5月3¹日", "", "日付として読めません"},
        {T, "1時３０分", "1時30分", ""},
        {T, "1時³分", "", "時間として読めません"},
        {C, "2023/2/29", "", "存在しない日付です"},
        {C, "2024/13/1", "", "存在しない日付です"},
        {C, "2024/5", "", "日付として読めません"},
        {C, "5月2024年", "", "日付として読めません"},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.mode)) + " " + c.clipboard);
        rules.mode = c.mode;
        const PastedNumber pasted = ReadPastedNumber(ctx, c.clipboard);
        EXPECT_EQ(pasted.text, c.display);
        EXPECT_EQ(pasted.refusal, c.refusal);
    }
    EXPECT_EQ(view.beeps, 0) << "the reader reports nothing itself";
}

TEST_F(PastedNumberTest, GroupingAndRoomFollowTheDisplay) {
    rules.mode = CalcMode::Decimal;
    rules.grouping = true;
    EXPECT_EQ(ReadPastedNumber(ctx, "1234567.5").text, "1,234,567.5");
    rules.geometry = DisplayGeometry{8, 1, 8};  // room for seven characters
    EXPECT_EQ(ReadPastedNumber(ctx, "123456").text, "123,456");
    EXPECT_EQ(ReadPastedNumber(ctx, "1234567").refusal, "表示桁数に収まりません");
    EXPECT_EQ(ReadPastedNumber(ctx, "1.5e-20").text, "1.5E-20");
    EXPECT_EQ(ReadPastedNumber(ctx, "1.25e-20").refusal, "表示桁数に収まりません");
    rules.mode = CalcMode::Mixed;
    EXPECT_EQ(ReadPastedNumber(ctx, "0xFFFFFFFF").text, "h FFFFFFFF");
    EXPECT_EQ(ReadPastedNumber(ctx, "0x100000000").refusal, "値が範囲を超えています");
    EXPECT_EQ(ReadPastedNumber(ctx, "2147483648").refusal, "値が範囲を超えています");
    rules.radix = Radix::Hex;
    EXPECT_EQ(ReadPastedNumber(ctx, "ff").text, "h FF") << "a bare number takes the radix";
}

TEST_F(PastedNumberTest, WhatTheDisplayShowsComesBackThroughCopyAndPaste) {
    rules.mode = CalcMode::Decimal;
    for (const bool grouping : {false, true}) {
        rules.grouping = grouping;
        for (const long double x : {1.0L / 3.0e10L, 1e30L, -2.0L / 3.0e300L, 123456789012345.0L,
                                    -0.000125L, 1234567890123456789.0L}) {
            const std::string shown = *FormatValue(ctx, x);
            SCOPED_TRACE(shown);
            const PastedNumber pasted = ReadPastedNumber(ctx, PlainNumberText(ctx, shown));
            EXPECT_EQ(pasted.text, shown) << pasted.refusal;
        }
    }
}

TEST_F(PastedNumberTest, HostileTextsAreRefusedWhole) {
    rules.mode = CalcMode::Decimal;
    const std::string tenMegabytes(10u << 20, '1');
    EXPECT_EQ(ReadPastedNumber(ctx, tenMegabytes).refusal, "貼り付ける文字列が長すぎます");
    std::string padded = "5" + std::string(kMaxPastedBytes, ' ');
    EXPECT_EQ(ReadPastedNumber(ctx, padded).refusal, "貼り付ける文字列が長すぎます");
    const std::string nuls(64, '\0');
    EXPECT_EQ(ReadPastedNumber(ctx, nuls).refusal, "10進の数値として読めません");
}

}  // namespace
}  // namespace tavrik
