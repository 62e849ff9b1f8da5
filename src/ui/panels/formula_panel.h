// The formula panel `pnlF`: the formula editor `memF`, whose lines the
// panel's formula sheet evaluates and answers in place beside the calculator, the run key
// `btnFR` "=" at the editor's lower right corner, and the panel's pop-up menu.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>

#include "formula/formula_sheet.h"
#include "formula/live_answers.h"
#include "history/kept_state.h"
#include "settings/settings_model.h"
#include "ui/panels/formula_editor.h"
#include "ui/panels/formula_menu.h"
#include "ui/panels/panel_widget.h"
#include "ui/platform/file_dialog.h"

namespace tavrik::ui {

// What the panel asks of the window.
struct FormulaPanelCommands {
    std::function<void(bool)> maximise;  // "最大表示" checked or unchecked
    std::function<void()> exit;          // "終了"
    // Runs a sheet command with the window's refreshes held until it ends.
    std::function<void(const std::function<void()>&)> holdingRefresh;
    // The file dialogs of "ファイル書込" and "ファイル読込"; empty when cancelled.
    std::function<std::optional<std::string>(FileDialogKind, const QString&)> askPath;
};

class FormulaPanel final : public PanelWidget {
  public:
    // The panel's sheet runs on `host`, the calculator, for the life of the window.
    FormulaPanel(QWidget* parent, SheetHost& host, FormulaPanelCommands commands);

    // Builds the panel from the set in force. The text stays; "式付加" takes
    // the set's FPlusF, "自動計算" its AutoF, and "最大表示" is cleared.
    void build(const SettingsSet& set) override;
    void place(const SettingsSet& set) override;
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;

    // The maximised view: the panel covers `area`, the editor all of it but
    // the pitch, and the "=" key stays at the editor's lower right corner.
    bool maximised() const { return menu_.maximise->isChecked(); }
    void fill(const QRect& area);

    // Shows the sheet's text and selection after a command of the sheet
    // changed them, replacing only the part of the text that differs.
    void showSheet();

    // "自動計算": the answers follow the lines as they are edited, shown
    // beside them a moment after typing stops.
    void setAutoAnswer(bool on);
    bool autoAnswer() const { return menu_.autoAnswer->isChecked(); }
    // X changed: every line is answered again after the same moment.
    void displayChanged();
    // Answers the lines edited since the last answers at once; how many
    // lines were evaluated.
    std::size_t answerNow();
    const LiveAnswers& liveAnswers() const { return live_; }

    // The text and the "自動計算" check, as kept across a restart.
    KeptState::Sheet keptSheet() const;
    void restoreSheet(const KeptState::Sheet& sheet);
    // Called after every edit of the text and every change of "自動計算".
    void setEditWatch(std::function<void()> watch) { editWatch_ = std::move(watch); }

    // The run key and the pop-up menu's commands.
    void RunFormulaPanel();
    void CopyFormula();
    void WriteFormulaFile();
    void ReadFormulaFile();

  private:
    // The sheet commands read the editor's text and selection from the sheet.
    void handTextToSheet();
    void onMouseReleased();
    void placeRunKey();
    void linesEdited(int position, int charsRemoved, int charsAdded);
    std::vector<std::string> blockTexts(int first, int last) const;

    // The sheet's selection as the last command was handed it, in characters.
    struct SheetSelection {
        std::size_t start = 0;
        std::size_t length = 0;
        bool operator==(const SheetSelection&) const = default;
    };

    FormulaSheet sheet_;
    FormulaPanelCommands commands_;
    FormulaEditor* editor_;
    QPushButton* runKey_;
    FormulaMenu menu_;
    LiveAnswers live_;
    QTimer answerTimer_;
    int blockCount_ = 0;  // the editor's paragraphs as the live answers know them
    int pitch_ = 0;
    bool doubleClicked_ = false;
    std::function<void()> editWatch_;
    std::optional<SheetSelection> handedSelection_;
};

}  // namespace tavrik::ui
