#include "ui/print/print_dialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tavrik::ui {

namespace {

// Opens the print dialog even where no printer is set up: Qt's dialog then
// offers printing to a PDF file.
bool PrintTape(QWidget* window, const TapeSheet& sheet, TapePaper paper) {
    QPrinter printer(QPrinter::HighResolution);
    SetTapePaper(printer, paper);
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted) return true;
    return PaintTape(printer, sheet);
}

void PreviewTape(QWidget* window, const TapeSheet& sheet, TapePaper paper) {
    QPrinter printer(QPrinter::HighResolution);
    SetTapePaper(printer, paper);
    QPrintPreviewDialog dialog(&printer, window);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    // The preview repaints on every change of page setup within it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&sheet](QPrinter* target) { PaintTape(*target, sheet); });
    dialog.exec();
}

constexpr PrintDialogs kDialogs{PrintTape, PreviewTape};

}  // namespace

extern "C" const PrintDialogs* tavrik_print_dialogs() {
    return &kDialogs;
}

}  // namespace tavrik::ui
