#include "ui/print/tape_printing.h"

#include <QActionGroup>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/menus/menu_captions.h"
#include "ui/menus/menu_items.h"
#include "ui/platform/file_dialog.h"
#include "ui/platform/message_box.h"

namespace tavrik::ui {

namespace {

const QString kPdfTitle = QStringLiteral("Tavrik 履歴リスト");
const QString kCannotCreate = QStringLiteral("ファイルが作成できませんでした");

// "印刷…" and its like, with the access letter after the caption.
QAction* AddItem(QMenu& menu, const char* name, const char* caption, char letter,
                 const std::function<void()>& command) {
    return AddCommand(menu, name, WithAccessLetter(caption, letter), command);
}

}  // namespace

TapePrinting::TapePrinting(QWidget& window, QMenu& historyMenu, std::function<TapeSheet()> tape)
    : QObject(&window), window_(window), tape_(std::move(tape)) {
    historyMenu.addSeparator();
    AddItem(historyMenu, "mnuOHPrint", "印刷…", 'P', [this] { print(); });
    AddItem(historyMenu, "mnuOHPreview", "印刷プレビュー…", 'V', [this] { preview(); });
    AddItem(historyMenu, "mnuOHPdf", "PDF に保存…", 'D', [this] { saveAsPdf(); });
    QMenu* paper = historyMenu.addMenu(WithAccessLetter("用紙", 'S'));
    paper->setObjectName("mnuOHPaper");
    auto* group = new QActionGroup(paper);
    const auto addPaper = [&](const char* name, const char* caption, char letter, TapePaper kind) {
        QAction* item = AddItem(*paper, name, caption, letter, [this, kind] { paper_ = kind; });
        item->setCheckable(true);
        item->setChecked(kind == paper_);
        group->addAction(item);
    };
    addPaper("mnuOHPaperA4", "A4", 'A', TapePaper::A4);
    addPaper("mnuOHPaperReceipt", "レシート幅 80 mm", 'R', TapePaper::Receipt);
}

void TapePrinting::print() {
    QPrinter printer(QPrinter::HighResolution);
    SetTapePaper(printer, paper_);
    QPrintDialog dialog(&printer, &window_);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PaintTape(printer, tape_()))
        ShowMessageBox(&window_, BoxKind::Error, kCannotCreate, false);
}

void TapePrinting::preview() {
    QPrinter printer(QPrinter::HighResolution);
    SetTapePaper(printer, paper_);
    QPrintPreviewDialog dialog(&printer, &window_);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    // The preview repaints on every change of page setup within it.
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [tape = tape_()](QPrinter* target) { PaintTape(*target, tape); });
    dialog.exec();
}

void TapePrinting::saveAsPdf() {
    const auto path = AskFilePath(&window_, FileDialogKind::SavePdf, QStringLiteral("PDF に保存"));
    if (!path) return;
    QPdfWriter writer(QString::fromStdString(*path));
    writer.setTitle(kPdfTitle);
    writer.setCreator(QStringLiteral("Tavrik"));
    SetTapePaper(writer, paper_);
    if (!PaintTape(writer, tape_())) ShowMessageBox(&window_, BoxKind::Error, kCannotCreate, false);
}

}  // namespace tavrik::ui
