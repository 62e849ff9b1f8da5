// The print commands of the "履歴リスト" menu: "印刷…", "印刷プレビュー…",
// "PDF に保存…" and the choice of paper, each taking the tape as it is at
// that moment.
#pragma once

#include <QMenu>
#include <QObject>
#include <QWidget>
#include <functional>

#include "ui/print/tape_print.h"

namespace tavrik::ui {

class TapePrinting final : public QObject {
  public:
    // Adds the commands to `historyMenu`; `tape` gives the tape to print,
    // `window` owns the dialogs.
    TapePrinting(QWidget& window, QMenu& historyMenu, std::function<TapeSheet()> tape);

  private:
    // Opens the print dialog even where no printer is set up: Qt's dialog
    // then offers printing to a PDF file.
    void print();
    void preview();
    void saveAsPdf();

    QWidget& window_;
    std::function<TapeSheet()> tape_;
    TapePaper paper_ = TapePaper::A4;
};

}  // namespace tavrik::ui
