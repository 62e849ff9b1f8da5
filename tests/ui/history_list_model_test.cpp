// The history list model under Qt's model checker, its list changed through
// the calculator and caught up with as the history panel does.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "settings/key_codes.h"
#include "ui/panels/history_list_model.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

class HistoryListModelTest : public ::testing::Test {
  protected:
    Calculator& calc() { return app.calculator(); }
    // Syncs the model and checks that its rows are the core's lines.
    void expectRowsMatchTheList() {
        model.sync();
        const HistoryLines& lines = calc().history().list(CalcMode::Decimal).lines;
        ASSERT_EQ(model.rowCount(), static_cast<int>(lines.size()));
        for (int row = 0; row < model.rowCount(); ++row)
            EXPECT_EQ(model.data(model.index(row), Qt::DisplayRole).toString().toStdString(),
                      lines[static_cast<std::size_t>(row)])
                << row;
    }
    void press(std::initializer_list<int> codes) {
        for (int code : codes) {
            calc().PushBBtn(code);
            expectRowsMatchTheList();
        }
    }

    CalculatorApp app{GlobalSettings{}};
    HistoryListModel model{calc().history(), CalcMode::Decimal};
    // Any broken promise of the model (a row count that disagrees with the
    // signals sent, an index out of range) stops the test binary.
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

constexpr int kOne = kDigit0 + 1, kTwo = kDigit0 + 2;

TEST_F(HistoryListModelTest, AppendsDeletesAndClearsKeepTheModelConsistent) {
    press({kOne, kAdd, kTwo, kEquals, kAllClear, kTwo, kMultiply, kTwo, kEquals});
    ASSERT_GE(model.rowCount(), 4);

    calc().selectHistoryLine(1);
    calc().deleteHistoryLine();
    expectRowsMatchTheList();
    calc().selectHistoryLine(model.rowCount() - 1);
    calc().deleteHistoryLine();
    expectRowsMatchTheList();

    calc().clearHistory();
    expectRowsMatchTheList();
    EXPECT_EQ(model.rowCount(), 0);
    calc().clearHistory();
    expectRowsMatchTheList();

    press({kOne, kAdd, kOne, kEquals});
    EXPECT_GT(model.rowCount(), 0);
}

}  // namespace
}  // namespace tavrik::ui
