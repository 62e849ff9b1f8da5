// The print commands of the "履歴リスト" menu: "印刷…", "印刷プレビュー…",
// "PDF に保存…" and the choice of paper, each taking the tape as it is at
// that moment.
#pragma once

#include <QMenu>
#include <QObject>
#include <QWidget>
#include <functional>

#include "ui/print/print_dialogs.h"
#include "ui/print/tape_print.h"

namespace tavrik {
class Calculator;
}

namespace tavrik::ui {

// The current list of `calc` with the time of its clock, its set and its mode.
TapeSheet CurrentTape(const Calculator& calc);

class TapePrinting final : public QObject {
  public:
    // Adds the commands to `historyMenu`; `tape` gives the tape to print,
    // `window` owns the dialogs.
    TapePrinting(QWidget& window, QMenu& historyMenu, std::function<TapeSheet()> tape);

  private:
    // The print module's dialogs; nothing, said in a message, when the
    // module cannot be opened.
    const PrintDialogs* dialogs();
    void print();
    void preview();
    void saveAsPdf();

    QWidget& window_;
    std::function<TapeSheet()> tape_;
    TapePaper paper_ = TapePaper::A4;
};

}  // namespace tavrik::ui
