// The tape printed to PDF files offscreen and read back as text with
// pdftotext, on A4 and on the receipt roll; and the "履歴リスト" menu's print
// commands run as a user runs them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <set>

#include "settings/key_codes.h"
#include "support/recording_view.h"
#include "ui/print/tape_print.h"
#include "ui/print/tape_printing.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

constexpr int kPollMs = 10;
constexpr const char* kNoPdfToText = "pdftotext (poppler-utils) is not installed";

bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// The text of each page of the PDF at `path`, laid out as printed. Where a
// CJK font draws an ideograph and its radical (月 U+6708, ⽉ U+2F49) with one
// glyph, the PDF names the radical for it: compatibility forms read as the
// characters they stand for.
QStringList PdfPages(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    reader.waitForFinished();
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput())
                            .normalized(QString::NormalizationForm_KC)
                            .split(u'\f');
    pages.removeLast();  // after the last page's form feed
    return pages;
}

// The page width in points that pdfinfo reports for the PDF at `path`.
double PdfPageWidth(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x"))
                          .match(QString::fromUtf8(info.readAllStandardOutput()));
    return size.captured(1).toDouble();
}

void Press(Calculator& calc, std::string_view keys) {
    for (char key : keys) calc.PushBBtn(CodeOfKeyChar(key));
}

// Runs `answer` on the next modal dialog as soon as it is open.
class DialogAnswer {
  public:
    explicit DialogAnswer(std::function<void(QWidget*)> answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                timer_.stop();
                answer(dialog);
            }
        });
        timer_.start(kPollMs);
    }

  private:
    QTimer timer_;
};

struct Paper {
    const char* name;
    TapePaper paper;
    double widthPoints;
};

class TapePrintTest : public ::testing::TestWithParam<Paper> {
  protected:
    TapePrintTest() : clock({2024, 5, 3, 14, 5, 36}), calc(view, clock) {}

    void SetUp() override {
        if (!HavePdfToText()) GTEST_SKIP() << kNoPdfToText;
        calc.editSettings([](GlobalSettings& s) { s.SetTable[kDefaultSetSlot].name = "経理"; });
        calc.start();
    }

    QStringList print() {
        QPdfWriter writer(path);
        SetTapePaper(writer, GetParam().paper);
        EXPECT_TRUE(PaintTape(writer, CurrentTape(calc)));
        EXPECT_NEAR(PdfPageWidth(path), GetParam().widthPoints, 1);
        return PdfPages(path);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.pdf"));
    testing::RecordingView view;
    FixedClock clock;
    Calculator calc;
};

TEST_P(TapePrintTest, ShowsHeaderLinesResultsAndFinalTotal) {
    Press(calc, "1280+3450=100*3=");
    const QStringList pages = print();
    ASSERT_EQ(pages.size(), 1);
    // Each line's text in order, its result and GT right-aligned after it.
    const QStringList expected{"2024年5月3日(金) 14:05",
                               "設定: 経理",
                               "モード: 10進",
                               "1: 1280",
                               "#+",
                               "2: 3450",
                               "#=",
                               "4730",
                               "GT 4730",
                               "3: 100",
                               "#*",
                               "4: 3",
                               "#=",
                               "300",
                               "GT 5030",
                               "1 / 1"};
    qsizetype at = 0;
    for (const QString& text : expected) {
        const qsizetype found = pages[0].indexOf(text, at);
        ASSERT_GE(found, 0) << text.toStdString() << " after " << at << " in\n"
                            << pages[0].toStdString();
        at = found + text.size();
    }
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("GT\\s+5030\\s+1 / 1"))));
}

TEST_P(TapePrintTest, LongListGoesOnOverNumberedPages) {
    constexpr int kSums = 120;
    for (int i = 0; i < kSums; ++i) Press(calc, "1+1=");
    const QStringList pages = print();
    ASSERT_GT(pages.size(), 1);
    // Every running total once, none lost at a page break.
    std::multiset<int> totals;
    for (const QString& page : pages) {
        auto match = QRegularExpression(QStringLiteral("GT (\\d+)")).globalMatch(page);
        while (match.hasNext()) totals.insert(match.next().captured(1).toInt());
    }
    std::multiset<int> expected;
    for (int i = 1; i <= kSums; ++i) expected.insert(2 * i);
    EXPECT_EQ(totals, expected);
    EXPECT_TRUE(pages.back().contains(QStringLiteral("%1 / %1").arg(pages.size())));
}

INSTANTIATE_TEST_SUITE_P(Papers, TapePrintTest,
                         ::testing::Values(Paper{"A4", TapePaper::A4, 595.3},
                                           Paper{"Receipt", TapePaper::Receipt, 226.8}),
                         [](const auto& paper) { return std::string(paper.param.name); });

class TapePrintMenuTest : public ::testing::Test {
  protected:
    QAction* item(const char* name) { return app.window().findChild<QAction*>(name); }

    CalculatorApp app{GlobalSettings{}};
};

TEST_F(TapePrintMenuTest, SavesTheCurrentTapeAsPdfOnTheChosenPaper) {
    if (!HavePdfToText()) GTEST_SKIP() << kNoPdfToText;
    Press(app.calculator(), "7*6=");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape"));
    QString title;
    const DialogAnswer answer([&](QWidget* dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    item("mnuOHPaperReceipt")->trigger();
    item("mnuOHPdf")->trigger();
    EXPECT_EQ(title, QStringLiteral("PDF に保存"));
    const QStringList pages = PdfPages(path + QStringLiteral(".pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("1: 7")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("GT 42")));
    EXPECT_NEAR(PdfPageWidth(path + QStringLiteral(".pdf")), 226.8, 1);
}

// With no printer set up the print dialog still opens (Qt offers a PDF
// file); the preview shows the tape's page.
TEST_F(TapePrintMenuTest, PrintAndPreviewOpenTheirDialogs) {
    QString printTitle;
    {
        const DialogAnswer answer([&](QWidget* dialog) {
            if (qobject_cast<QPrintDialog*>(dialog)) printTitle = dialog->windowTitle();
            static_cast<QDialog*>(dialog)->reject();
        });
        item("mnuOHPrint")->trigger();
    }
    EXPECT_EQ(printTitle, QStringLiteral("印刷"));
    int previewPages = 0;
    const DialogAnswer answer([&](QWidget* dialog) {
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
            previewPages = preview->pageCount();
        static_cast<QDialog*>(dialog)->reject();
    });
    item("mnuOHPreview")->trigger();
    EXPECT_EQ(previewPages, 1);
}

}  // namespace
}  // namespace tavrik::ui
