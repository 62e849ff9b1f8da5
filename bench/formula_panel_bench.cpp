// The formula panel answering a 10,000-line sheet in the window (offscreen
// Qt), against the calculator's sheet run alone, which is what the console's
// --sheet does between reading the file and printing it; and the live answers
// ("自動計算") of one edit in the middle of that sheet, against answering it whole.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <string>

#include "formula/live_answers.h"

#include "ui/panels/formula_panel.h"
#include "ui/panels/sheet_editor_text.h"
#include "ui/window/calculator_app.h"

namespace {

constexpr int kSheetLines = 10000;

// Notes, grouping commas, full-width digits, brackets and operators, five
// styles in turn, as bench/sheet_vs_bc.sh writes them.
QString SheetOfFormulas(int lines) {
    static const QString kWideDigits = QStringLiteral("０１２３４５６７８９");
    QString text;
    for (int i = 1; i <= lines; ++i) {
        const int a = (i * 7919) % 9000 + 11;
        const int b = (i * 104729) % 997 + 3;
        const int c = i % 97 + 2;
        switch (i % 5) {
            case 0:
                text += QStringLiteral("売上 %1,%2 × %3").arg(a).arg(b, 3, 10, QChar('0')).arg(c);
                break;
            case 1:
                text += QStringLiteral("%1+%2*%3=").arg(a).arg(b).arg(c);
                break;
            case 2: {
                QString wide;
                for (const QChar digit : QString::number(a))
                    wide += kWideDigits[digit.digitValue()];
                text += QStringLiteral("（%1＋%2）×%3 個").arg(wide).arg(b).arg(c);
                break;
            }
            case 3:
                text += QStringLiteral("単価 %1 ÷ %2　円").arg(a).arg(b);
                break;
            default:
                text += QStringLiteral("(%1-%2)/[%3+%2]=").arg(a).arg(b).arg(c);
                break;
        }
        text += QLatin1Char('\n');
    }
    return text;
}

tavrik::ui::CalculatorApp& App() {
    static tavrik::ui::CalculatorApp app{tavrik::GlobalSettings{}};
    return app;
}

// A calculator started from the default settings, with no window.
struct HeadlessCalculator {
    HeadlessCalculator() {
        calc.setSettings(tavrik::GlobalSettings{});
        calc.start();
    }
    tavrik::NullView view;
    const tavrik::SystemClock clock;
    tavrik::Calculator calc{view, clock};
};

void SheetRunInTheCalculator(benchmark::State& state) {
    const std::string text = tavrik::ui::SheetText(SheetOfFormulas(kSheetLines));
    HeadlessCalculator headless;
    tavrik::FormulaSheet sheet(headless.calc);
    for (auto _ : state) {
        state.PauseTiming();
        sheet.setText(text);
        state.ResumeTiming();
        sheet.RunFormulaPanel();
        benchmark::DoNotOptimize(sheet.text().size());
    }
}
BENCHMARK(SheetRunInTheCalculator)->Unit(benchmark::kMillisecond);

// From the click on "=" until the window has handled every event the run
// left behind (text layout, repaint of the editor and the status bar).
void FormulaPanelRunInTheWindow(benchmark::State& state) {
    tavrik::ui::MainWindow& window = App().window();
    window.show();
    auto* editor = window.findChild<QPlainTextEdit*>("memF");
    auto* runKey = window.findChild<QPushButton*>("btnFR");
    const QString text = SheetOfFormulas(kSheetLines);
    for (auto _ : state) {
        state.PauseTiming();
        editor->setPlainText(text);
        QApplication::processEvents();
        state.ResumeTiming();
        runKey->click();
        QApplication::processEvents();
    }
    state.counters["lines after"] = static_cast<double>(editor->toPlainText().count('\n') + 1);
}
BENCHMARK(FormulaPanelRunInTheWindow)->Unit(benchmark::kMillisecond);

// The live answers of the calculator alone: every line of the sheet answered,
// as when "自動計算" is turned on.
void LiveAnswersWholeSheet(benchmark::State& state) {
    const std::string text = tavrik::ui::SheetText(SheetOfFormulas(kSheetLines));
    HeadlessCalculator headless;
    tavrik::LiveAnswers live(headless.calc);
    for (auto _ : state) {
        live.setText(text);
        benchmark::DoNotOptimize(live.answerChanged());
    }
}
BENCHMARK(LiveAnswersWholeSheet)->Unit(benchmark::kMillisecond);

// One character typed into the middle line of the sheet with "自動計算" on,
// until its answer is drawn: the edit, the paragraph handed to the live
// answers, the answer (the debounce timer's work, done at once here) and the
// repaint. Counter: lines evaluated per edit.
void LiveAnswerOfOneEditInTheWindow(benchmark::State& state) {
    tavrik::ui::MainWindow& window = App().window();
    window.show();
    auto* editor = window.findChild<QPlainTextEdit*>("memF");
    auto* panel = static_cast<tavrik::ui::FormulaPanel*>(window.findChild<QWidget*>("pnlF"));
    editor->setPlainText(SheetOfFormulas(kSheetLines));
    panel->setAutoAnswer(true);
    QApplication::processEvents();
    QTextCursor cursor(editor->document()->findBlockByNumber(kSheetLines / 2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    std::size_t evaluated = 0;
    for (auto _ : state) {
        editor->textCursor().insertText(QStringLiteral("1"));
        evaluated += panel->answerNow();
        QApplication::processEvents();
    }
    state.counters["lines evaluated per edit"] =
        static_cast<double>(evaluated) / static_cast<double>(state.iterations());
    panel->setAutoAnswer(false);
}
BENCHMARK(LiveAnswerOfOneEditInTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
