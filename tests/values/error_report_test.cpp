#include <gtest/gtest.h>

#include "support/recording_view.h"
#include "values/error_report.h"

namespace tavrik {
namespace {

struct LinesLog : LogSink {
    void WriteLog(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

class ErrorReportTest : public ::testing::Test {
  protected:
    ErrorReportTest() : status(view), errors(view, status, log) {}
    testing::RecordingView view;
    LinesLog log;
    StatusLine status;
    ErrorReporter errors;
};

TEST_F(ErrorReportTest, MapsFailureKindsToMessages) {
    const std::pair<FailureKind, const char*> cases[] = {
        {FailureKind::ZeroDivide, "０除算エラー"},
        {FailureKind::Overflow, "オーバーフロー"},
        {FailureKind::Underflow, "アンダーフロー"},
        {FailureKind::InvalidArgument, "範囲外パラメータ"},
        {FailureKind::InvalidOp, "無効演算"},
        {FailureKind::IntOverflow, "オーバーフロー"},
        {FailureKind::Convert, "変換エラー"},
    };
    for (const auto& [kind, message] : cases)
        EXPECT_EQ(FailureText(CalcFailure(kind, "x")), message);
    EXPECT_EQ(FailureText(CalcFailure(FailureKind::MathError, "own text")), "own text");
    EXPECT_EQ(FailureText(CalcFailure(FailureKind::Other, "other text")), "other text");
}

TEST_F(ErrorReportTest, ReportsInTheStripWithABeepAndALogLine) {
    errors.ReportCalcError("論理エラー");
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(status.strip(), "論理エラー");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(log.lines, std::vector<std::string>{"論理エラー"});
    EXPECT_EQ(errors.errorCount(), 1);
}

TEST_F(ErrorReportTest, BoxOpensOnceMoreErrorsThanTheLimitCameInARow) {
    errors.setErrCtMax(2);
    for (int i = 0; i < 4; ++i) errors.ReportCalcError("日付エラー");
    EXPECT_EQ(view.boxes.size(), 2u);
    errors.resetErrorCount();
    errors.ReportCalcError("日付エラー");
    EXPECT_EQ(view.boxes.size(), 2u);
}

TEST_F(ErrorReportTest, LimitZeroOpensTheBoxOnlyWhileTheStatusBarIsHidden) {
    errors.setErrCtMax(0);
    for (int i = 0; i < 3; ++i) errors.ReportCalcError("e");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(errors.errorCount(), 0);
    view.statusBarShown = false;
    errors.ReportCalcError("e");
    EXPECT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(status.strip(), "") << "the strip is hidden with the status bar";
    EXPECT_EQ(view.statusBarReapplied, 1);
}

TEST_F(ErrorReportTest, NegativeLimitOpensTheBoxEveryTime) {
    errors.setErrCtMax(-1);
    errors.ReportCalcError("e");
    errors.ReportCalcError("e");
    EXPECT_EQ(view.boxes.size(), 2u);
}

TEST_F(ErrorReportTest, MathBoxCarriesTheJapaneseTextOfTheKind) {
    errors.setErrCtMax(-1);
    // Whatever English text the failure carries, the user reads Japanese.
    errors.ReportMathException(
        CalcFailure(FailureKind::ZeroDivide, "Floating point division by zero"));
    EXPECT_EQ(status.strip(), "０除算エラー");
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0], "エラーです\r\n\r\n０除算エラー");
    EXPECT_EQ(view.boxKinds[0], BoxKind::Error);
    try {
        ThrowFailure(FailureKind::MathError);
    } catch (const CalcFailure& failure) {
        errors.ReportMathException(failure);
    }
    EXPECT_EQ(view.boxes.back(), "エラーです\r\n\r\n計算エラー");
}

TEST_F(ErrorReportTest, MessageKinds) {
    status.DspMsg("info", kMessageInfo);
    EXPECT_EQ(status.panel(StatusPart::Message), "info");
    status.DspMsg("bad", kMessageError);
    EXPECT_EQ(status.strip(), "bad");
    EXPECT_EQ(status.panel(StatusPart::Message), "info");
    status.DspMsg("", kMessageClear);
    EXPECT_EQ(status.strip(), "");
    EXPECT_EQ(status.panel(StatusPart::Message), "info")
        << "clearing the strip shows panel 2 again";
    status.DspMsg("bad", kMessageError);
    status.DspMsg("", kMessageInfo);
    EXPECT_EQ(status.strip(), "");
    EXPECT_EQ(status.panel(StatusPart::Message), "");
}

}  // namespace
}  // namespace tavrik
