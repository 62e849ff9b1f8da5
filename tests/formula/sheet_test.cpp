#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "formula/sheet_text.h"
#include "support/calculator_fixture.h"

namespace tavrik {
namespace {

class SheetTest : public testing::CalculatorTest {
  protected:
    SheetTest() { start(); }

    FormulaSheet& sheet() { return sheet_; }
    void setLines(std::initializer_list<const char*> lines) {
        sheet().clear();
        for (const char* line : lines) sheet().addLine(line);
    }
    std::vector<std::string> run(std::initializer_list<const char*> lines) {
        setLines(lines);
        sheet().RunFormulaPanel();
        return sheet().lines();
    }
    using Lines = std::vector<std::string>;

    FormulaSheet sheet_{calc};
};

TEST_F(SheetTest, RunsEveryLineFromTheLastUp) {
    EXPECT_EQ(run({"売上 1,200 × 3", "# メモ", "10/4="}),
              (Lines{"売上 1,200 × 3", "=3600", "# メモ", "10/4=2.5"}));
    EXPECT_EQ(sheet().text(), "売上 1,200 × 3\r\n=3600\r\n# メモ\r\n10/4=2.5\r\n");
}

TEST_F(SheetTest, OnlyCrLfEndsALine) {
    sheet().setText("1+1=\n2+2=\r\n3+3=\r");
    sheet().RunFormulaPanel();
    EXPECT_EQ(sheet().text(), "1+1=\n2+2=2\r\n3+3=\r6");
}

TEST_F(SheetTest, FormulaInFrontOfEachResult) {
    sheet().setPlusFormula(true);
    EXPECT_EQ(run({"売上 1,200 × 3", "# メモ", "10/4="}),
              (Lines{"売上 1,200 × 3", "1200*3=3600", "# メモ", "10/4=", "10/4=2.5"}));
}

TEST_F(SheetTest, PlusFollowsTheSettingUntilToggled) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].FPlusF = true; });
    EXPECT_TRUE(sheet().plusFormula());
    sheet().setPlusFormula(false);
    EXPECT_FALSE(sheet().plusFormula());
    sheet().layoutBuilt();
    EXPECT_TRUE(sheet().plusFormula());
}

TEST_F(SheetTest, LinesWithoutAnswer) {
    EXPECT_EQ(run({"", "   ", "# 1+2", "' 1+2", "  #1+2", "メモ 5", "5/0=", "2(3+4)="}),
              (Lines{"", "   ", "# 1+2", "' 1+2", "  #1+2", "メモ 5", "5/0=", "2(3+4)="}));
}

TEST_F(SheetTest, PowersAndFunctionsGetNoAnswerAndTheMessageSaysWhy) {
    // The line with the power is read last, after the good line's formula
    // went to the message part, so the message must still be the last word.
    EXPECT_EQ(run({"(1+2)*3^2", "sqrt(2)+1", "5月の売上 1,200 × 3"}),
              (Lines{"(1+2)*3^2", "sqrt(2)+1", "5月の売上 1,200 × 3", "=3600"}));
    EXPECT_EQ(calc.status().panel(StatusPart::Message),
              "累乗・平方根・関数は式パネルでは計算できません。関数キー（A〜F）をお使いください");
    EXPECT_EQ(run({"10²+1", "面積 5² × 3"}), (Lines{"10²+1", "面積 5² × 3"}));
    EXPECT_EQ(calc.status().panel(StatusPart::Message),
              "累乗・平方根・関数は式パネルでは計算できません。関数キー（A〜F）をお使いください");
    run({"1+2"});
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "1+2=");
    // The hint goes with the next key, as an error does.
    run({"2^3"});
    calc.PushBBtn(kDigit0 + 5);
    EXPECT_EQ(calc.status().panel(StatusPart::Message), "");
}

// The answer a run wrote under a formula is replaced, never repeated; a
// line that does not read as that answer stays.
TEST_F(SheetTest, AnsweredLinesAreAnsweredAgainInPlace) {
    EXPECT_EQ(run({"5+3=8"}), (Lines{"5+3=8", "=8"}));
    EXPECT_EQ(run({"5+3=8", "=8"}), (Lines{"5+3=8", "=8"}));
    const Lines answered{"売上 1,200 × 3", "=3600", "メモ", "1+1", "=2", "2+2", "=4", "=4 円"};
    EXPECT_EQ(run({"売上 1,200 × 3", "メモ", "1+1", "=5", "2+2", "=4 円"}), answered);
    sheet().RunFormulaPanel();
    EXPECT_EQ(sheet().lines(), answered);
    sheet().setPlusFormula(true);
    EXPECT_EQ(run({"1+1", "1+1=2", "メモ"}), (Lines{"1+1", "1+1=2", "メモ"}));
}

TEST_F(SheetTest, ResultAfterTrailingBlanksAndFullWidthEquals) {
    EXPECT_EQ(run({"1+2=  ", "３×３＝", "1+1"}), (Lines{"1+2=  3", "３×３＝9", "1+1", "=2"}));
}

// Evaluating a line takes memory many times its length: a line past the
// bound is a note, and the message part of the status bar says so.
TEST_F(SheetTest, ALineLongerThanTheBoundIsLeftAsANote) {
    std::string atBound;
    while (atBound.size() + 2 < kMaxFormulaLineLength) atBound += "1+";
    atBound += "1=";
    ASSERT_EQ(atBound.size(), kMaxFormulaLineLength);
    const std::string past = "1" + atBound;
    const std::string terms = std::to_string(kMaxFormulaLineLength / 2);
    const std::string message = "長すぎる行は計算しません（1 行 65536 文字まで）";
    // Compared as a whole, not printed: the lines are long.
    EXPECT_TRUE(run({atBound.c_str()}) == Lines{atBound + terms});
    EXPECT_NE(calc.status().panel(StatusPart::Message), message);
    EXPECT_TRUE(run({past.c_str(), "2*3="}) == (Lines{past, "2*3=6"}));
    EXPECT_EQ(calc.status().panel(StatusPart::Message), message);
}

TEST_F(SheetTest, RunIsLinearInLines) {
    sheet().clear();
    for (int i = 0; i < 20000; ++i) sheet().addLine("1+2");
    sheet().RunFormulaPanel();
    const Lines lines = sheet().lines();
    ASSERT_EQ(lines.size(), 40000u);
    EXPECT_EQ(lines[39998], "1+2");
    EXPECT_EQ(lines[39999], "=3");
}

TEST_F(SheetTest, SelectionIsEvaluatedInPlace) {
    setLines({"合計 2+3 円"});
    sheet().select(3, 3);
    EXPECT_EQ(sheet().selectedText(), "2+3");
    sheet().RunFormulaPanel();
    EXPECT_EQ(sheet().lines(), (Lines{"合計 2+3=5 円"}));
    EXPECT_EQ(sheet().selectionStart(), 8u);
    EXPECT_EQ(sheet().selectionLength(), 0u);
}

TEST_F(SheetTest, SelectionEndingWithEqualsOrAcrossLines) {
    setLines({"1+", "2＝ ", "x"});
    sheet().select(0, 7);
    sheet().RunFormulaPanel();
    EXPECT_EQ(sheet().lines(), (Lines{"1+", "2＝ 3", "x"}));

    setLines({"4*5", "x"});
    sheet().setPlusFormula(true);
    sheet().select(0, 3);
    sheet().RunFormulaPanel();
    EXPECT_EQ(sheet().lines(), (Lines{"4*5", "4*5=20", "x"}));
}

TEST_F(SheetTest, SelectionWithoutFormulaOrFailingChangesNothing) {
    setLines({"5/0 と 7"});
    for (const std::size_t length : {3u, 7u}) {
        sheet().select(0, length);
        sheet().RunFormulaPanel();
        EXPECT_EQ(sheet().lines(), (Lines{"5/0 と 7"}));
    }
}

TEST_F(SheetTest, DisplayValueIsX) {
    keys("100");
    EXPECT_EQ(run({"X*1.08="}), (Lines{"X*1.08=108"}));
    EXPECT_EQ(display(), "100");
}

TEST_F(SheetTest, DisplayValueInEachMode) {
    const struct {
        CalcMode mode;
        const char* keys;
        const char* answer;
        int beeps;  // the reader's conversion error, once per run
    } cases[] = {
        {CalcMode::Decimal, "12", "X+1=13", 0},
        {CalcMode::Mixed, "12", "X+1=13", 0},
        {CalcMode::Time, "1E", "X+1=1", 1},
        {CalcMode::Date, "", "X+1=1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.mode));
        calc.switchMode(c.mode);
        keys("Z");
        keys(c.keys);
        const int beepsBefore = view.beeps;
        EXPECT_EQ(run({"X+1=", "X+1="}), (Lines{c.answer, c.answer}));
        EXPECT_EQ(view.beeps - beepsBefore, c.beeps);
        EXPECT_EQ(calc.mode(), c.mode);
        EXPECT_EQ(calc.values().rules.mode, c.mode);
    }
}

TEST_F(SheetTest, ResultsUseDecimalFormattingInMixedMode) {
    calc.switchMode(CalcMode::Mixed);
    keys("O");
    EXPECT_EQ(run({"10/4="}), (Lines{"10/4=2.5"}));
    EXPECT_EQ(calc.radix(), Radix::Hex);
}

TEST_F(SheetTest, FormattingFailureKeepsWrittenLinesAndRestoresMode) {
    calc.switchMode(CalcMode::Time);
    calc.editSettings([](GlobalSettings& s) {
        s.SetTable[kDefaultSetSlot].RoundM = 1;
        s.SetTable[kDefaultSetSlot].RoundD = -5000;
    });
    setLines({"1+1", "0+0"});
    sheet().RunFormulaPanel();
    EXPECT_EQ(view.boxKinds, std::vector<BoxKind>{BoxKind::Error})
        << "the failure ends the run with one error box";
    EXPECT_EQ(calc.values().rules.mode, CalcMode::Time);
}

TEST_F(SheetTest, CopyFormulaOfTheSelection) {
    setLines({"売上 1,200 × 3"});
    sheet().CopyFormula();
    EXPECT_EQ(view.clipboard, "");
    sheet().select(0, 12);
    sheet().CopyFormula();
    EXPECT_EQ(view.clipboard, "1200*3=");
}

TEST_F(SheetTest, DoubleClickSelectsAndRunsTheLine) {
    setLines({"1+1", "2+2", "3+3"});
    sheet().mouseUp(6);
    EXPECT_EQ(sheet().lines(), (Lines{"1+1", "2+2", "3+3"}));
    sheet().doubleClick();
    sheet().mouseUp(6);
    EXPECT_EQ(sheet().lines(), (Lines{"1+1", "2+2=4", "3+3"}));
    sheet().mouseUp(6);
    EXPECT_EQ(sheet().lines(), (Lines{"1+1", "2+2=4", "3+3"}));
}

TEST_F(SheetTest, DoubleClickWithoutRunOnlySelects) {
    calc.editSettings([&](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].DblClickF = false; });
    setLines({"1+1", "2+2"});
    sheet().doubleClick();
    sheet().mouseUp(5);
    EXPECT_EQ(sheet().selectedText(), "2+2");
    EXPECT_EQ(sheet().lines(), (Lines{"1+1", "2+2"}));
}

class SheetFileTest : public SheetTest {
  protected:
    SheetFileTest() {
        folder =
            std::filesystem::temp_directory_path() /
            ("tavrik-sheet-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    ~SheetFileTest() override { std::filesystem::remove_all(folder); }

    std::string bytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder;
    std::string file;  // the file the commands are given
};

TEST_F(SheetFileTest, WritesShiftJisWithCrLf) {
    setLines({"売上 1,200", "=3"});
    file = (folder / "sheet.txt").string();
    EXPECT_TRUE(sheet().WriteFormulaFile(file));
    EXPECT_EQ(bytes(folder / "sheet.txt"), "\x94\x84\x8f\xe3 1,200\r\n=3\r\n");
}

TEST_F(SheetFileTest, ReadInsertsAtTheCaret) {
    std::ofstream(folder / "in.txt", std::ios::binary) << "\x82\x50+1\n2*3";
    setLines({"a", "b"});
    sheet().select(3, 1);
    file = (folder / "in.txt").string();
    EXPECT_TRUE(sheet().ReadFormulaFile(file));
    EXPECT_EQ(sheet().lines(), (Lines{"a", "１+1", "2*3", "b"}));
}

TEST_F(SheetFileTest, FailingFiles) {
    file = (folder / "missing.txt").string();
    EXPECT_FALSE(sheet().ReadFormulaFile(file));
    file = (folder / "no-folder" / "x.txt").string();
    EXPECT_FALSE(sheet().WriteFormulaFile(file));
    EXPECT_EQ(view.boxes, (Lines{"ファイルが開けませんでした", "ファイルが作成できませんでした"}));
}

TEST_F(SheetFileTest, DevicesAreRefusedAtOnce) {
    file = "/dev/zero";
    EXPECT_FALSE(sheet().ReadFormulaFile(file));
    EXPECT_FALSE(sheet().WriteFormulaFile(file));
    EXPECT_EQ(view.boxes, (Lines{"ファイルが開けませんでした（通常のファイルではありません）",
                                 "ファイルが作成できませんでした"}));
}

}  // namespace
}  // namespace tavrik
