// The formula panel `pnlF`: the formula editor `memF`, whose lines the
// panel's formula sheet evaluates and answers in place beside the calculator, the run key
// `btnFR` "=" at the editor's lower right corner, and the panel's pop-up menu.
#pragma once

#include <QPushButton>
#include <functional>

#include "formula/formula_sheet.h"
#include "settings/settings_model.h"
#include "ui/formula_editor.h"
#include "ui/formula_menu.h"
#include "ui/panel_widget.h"

namespace tavrik::ui {

// What the panel asks of the window.
struct FormulaPanelCommands {
    std::function<void(bool)> maximise;  // "最大表示" checked or unchecked
    std::function<void()> exit;          // "終了"
    // Runs a sheet command with the window's refreshes held until it ends.
    std::function<void(const std::function<void()>&)> holdingRefresh;
};

class FormulaPanel final : public PanelWidget {
  public:
    // The panel's sheet runs on `host`, the calculator, for the life of the window.
    FormulaPanel(QWidget* parent, SheetHost& host, FormulaPanelCommands commands);

    // Builds the panel from the set in force. The text stays; "式付加" takes
    // the set's FPlusF and "最大表示" is cleared.
    void build(const SettingsSet& set) override;
    void place(const SettingsSet& set) override;
    void fitWidth(int width) override;

    // The maximised view: the panel covers `area`, the editor all of it but
    // the pitch, and the "=" key stays at the editor's lower right corner.
    bool maximised() const { return menu_.maximise->isChecked(); }
    void fill(const QRect& area);

    // Shows the sheet's text and selection after a command of the sheet
    // changed them, replacing only the part of the text that differs.
    void showSheet();

    // The run key and the pop-up menu's commands.
    void RunFormulaPanel();
    void CopyFormula();
    void WriteFormulaFile();
    void ReadFormulaFile();

  private:
    // The sheet commands read the editor's text and selection from the sheet.
    void handTextToSheet();
    // Runs a command of the sheet; a failure reaches the default error
    // report, a message box.
    void guarded(const std::function<void()>& command);
    void onMouseReleased();
    void placeRunKey();

    SheetHost& host_;
    FormulaSheet sheet_;
    FormulaPanelCommands commands_;
    FormulaEditor* editor_;
    QPushButton* runKey_;
    FormulaMenu menu_;
    int pitch_ = 0;
    bool doubleClicked_ = false;
};

}  // namespace tavrik::ui
