// The print dialog and the print preview of the tape. They live in a module
// of their own (the only code that needs Qt Print Support), which the window
// opens on the first print command: starting the program maps no print
// library.
#pragma once

#include <QWidget>

#include "ui/print/tape_print.h"

namespace tavrik::ui {

// Prints `sheet` on `paper` after the user's choice in the print dialog;
// false when the chosen printer or file could not be painted on.
using PrintTapeFunction = bool (*)(QWidget* window, const TapeSheet& sheet, TapePaper paper);
// Shows `sheet` on `paper` in the print preview, from which it can be printed.
using PreviewTapeFunction = void (*)(QWidget* window, const TapeSheet& sheet, TapePaper paper);

struct PrintDialogs {
    PrintTapeFunction print;
    PreviewTapeFunction preview;
};

// The module's one entry point, looked up by this name.
inline constexpr char kPrintDialogsSymbol[] = "tavrik_print_dialogs";
extern "C" const PrintDialogs* tavrik_print_dialogs();

}  // namespace tavrik::ui
