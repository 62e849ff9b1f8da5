// The calculator: one engine behind every front end. It owns the calculator
// state, the settings in force, the history, the memory registers and the
// status texts, and reaches the window only through the View. Front ends
// change it only through its commands and read it through const models; a
// formula sheet reads it as its SheetHost.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/calc_state.h"
#include "engine/keyboard.h"
#include "engine/keypad_face.h"
#include "engine/memory_registers.h"
#include "engine/undo_steps.h"
#include "formula/formula_sheet.h"
#include "formula/function_menu.h"
#include "formula/operations.h"
#include "history/history_list.h"
#include "history/kept_state.h"
#include "history/log.h"
#include "settings/settings_model.h"
#include "values/error_report.h"
#include "values/message_line.h"
#include "values/value_context.h"
#include "values/view.h"

namespace tavrik {

class Calculator final : public SheetHost {
  public:
    Calculator(View& view, const Clock& clock);
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // --- settings ---------------------------------------------------------
    // Takes over loaded settings and chooses the set in force (Set, or the default set).
    void setSettings(GlobalSettings settings);
    const GlobalSettings& settings() const { return settings_; }
    // Takes over edited settings (the settings dialog's apply) and applies
    // what takes effect at once: tax, rounding, limits, function keys. The set
    // in force stays, unless it is gone.
    void replaceSettings(GlobalSettings settings);
    // Edits a copy of the settings with `edit(GlobalSettings&)`, then applies it.
    template <class Edit>
    void editSettings(Edit&& edit) {
        GlobalSettings edited = settings_;
        edit(edited);
        replaceSettings(std::move(edited));
    }
    // Saves the settings in force with `save(GlobalSettings&)`, which records
    // in them what it wrote (the section list); its result is returned.
    template <class Save>
    bool saveSettings(Save&& save) {
        return save(settings_);
    }
    // How an edit of the settings reaches the "桁区切" check: a front end with
    // its own menu check keeps it (KK3 is then only the start-up value); a
    // front end without one lets the check follow KK3.
    enum class GroupingCheck { OwnMenu, FollowsKK3 };
    // Applying edited settings to the set in force (the settings dialog's OK,
    // the console's `set`): takes over `edited`, then set `setIndex` comes
    // into force (the default set when it is gone).
    void applyEditedSettings(GlobalSettings edited, int setIndex,
                             GroupingCheck grouping = GroupingCheck::OwnMenu);
    int currentSetIndex() const { return currentSetIndex_; }
    const SettingsSet& currentSet() const override;
    // A set chosen from the set menu comes into force (choosing the set in
    // force again re-applies it): `layOut` lets the front end lay itself out
    // for it, then the set's mode is entered when it differs from the mode.
    void chooseSet(int index, const std::function<void()>& layOut = {});
    // The zoom the window now shows the set in force at (Ctrl + wheel, the
    // window's size); it changes nothing else and is saved with the set.
    void setZoom(int percent) {
        settings_.SetTable[static_cast<std::size_t>(currentSetIndex_)].Zoom = percent;
    }

    // The guide bar positions the layout worked out for a set that left them
    // to it (a negative GXPos or GYPos); a later save writes them.
    void keepGuideBarPositions(int gxPos, int gyPos);

    // Display metrics measured by the front end's layout.
    void setGeometry(const DisplayGeometry& geometry);
    // The "桁区切" check (digit grouping); the decimal value shown follows it.
    void setGrouping(bool on);
    bool grouping() const { return rules_.grouping; }

    // Start-up after the settings are loaded: register 0, the start mode, AC.
    void start();

    // --- keys ---------------------------------------------------------------
    // A key press from outside the engine, under error protection.
    void PushBBtn(int code);
    // The dispatcher.
    void ProcBtn(int code);
    // Paste: the clipboard's text (or `text`) read as one number of the mode
    // and entered as if typed; a text that is not one number leaves the
    // display and says why in the message line.
    void pasteClipboard();
    void pasteText(std::string_view text);
    // "数値をコピー": the display's number as a spreadsheet reads it.
    void copyPlainNumber();
    // A keyboard key typed (pressed and released), by Windows virtual-key
    // code with the modifiers held at its press: presses the code its
    // key-table entry assigns in the mode in force, if any.
    void pressKeyboardKey(int virtualKey, unsigned modifiers);

    // --- undo ---------------------------------------------------------------
    // Undoes the last key step (up to UndoSteps::kDepth), or makes the last
    // undone one again. A mode or set change, and an edit of the history
    // list, start afresh.
    void undo();
    void redo();
    bool canUndo() const { return undoSteps_.canUndo(); }
    bool canRedo() const { return undoSteps_.canRedo(); }

    // --- modes --------------------------------------------------------------
    void switchMode(CalcMode mode);
    CalcMode mode() const { return rules_.mode; }
    Radix radix() const { return rules_.radix; }
    static const char* ModeName(CalcMode mode);

    // --- memory registers ---------------------------------------------------
    void selectMemory(int slot);
    void storeMemory(int slot);
    void recallMemory(int slot);
    const MemoryRegisters& memory() const { return memory_; }

    // --- history panel, history file and log ------------------------------
    void toggleRecording();
    // Sets the recording switch and clears the selection, as a click on it does.
    void setRecording(bool on);
    // Selects a line of the current list; -1 selects none.
    void selectHistoryLine(int index) { history_.select(index); }
    // The "↓" check: replay moves the selection down one line.
    void setHistoryMoveDown(bool on) { history_.setMoveDown(on); }
    void clearHistory() {
        undoSteps_.clear();
        history_.clear();
    }
    void deleteHistoryLine() {
        undoSteps_.clear();
        history_.deleteSelected();
    }
    // Feeds the selected line into the keypad: a value as typed, an operation
    // line as its key.
    void replayHistoryLine();
    // "式をコピー": the value or formula of the selected line of the current
    // list onto the clipboard, without its line number; nothing when no line
    // is selected.
    void copyHistoryLine();
    // The lines `indices` of the current list (in list order) with their
    // results onto the clipboard as tab-separated columns 値, 演算, 結果.
    void copyHistoryLines(std::vector<int> indices);
    // The history search's Enter: selects line `index` and enters its value
    // as typed: a value line is replayed, another line's result is pasted.
    void enterHistoryValue(int index);
    // "書出" and "読込": the current mode's list written to, or read from,
    // the history file at `path`; a file that fails is reported with a box.
    void writeHistoryFile(const std::string& path);
    void readHistoryFile(const std::string& path);
    // "CSV書出": the current list with the result beside each line written
    // to `path` as CSV (see TapeCsv); a file that fails is reported with a box.
    void exportHistoryCsv(const std::string& path);
    // The history lists and memory registers to keep across a restart, each
    // list capped at MaxLineH as the window caps it; and putting them back.
    KeptState keptState() const;
    void restoreKeptState(const KeptState& state);
    // "ログ（開始）" checked: the log starts writing to `path`, unless it
    // already runs; a file that cannot be opened is reported with a box. True
    // while the log runs.
    bool startLog(const std::string& path);
    // "ログ（開始）" unchecked.
    void stopLog();

    // --- models read by the views -----------------------------------------
    const CalcState& state() const { return state_; }
    const std::string& displayText() const override { return state_.displayText; }
    const KeypadFace& keypad() const { return keypad_; }
    const StatusLine& status() const { return status_; }
    const History& history() const { return history_; }
    const Log& log() const { return log_; }
    const ErrorReporter& errors() const { return errors_; }
    // The value rules in force and the services the value texts report through.
    const ValueContext& values() const override { return values_; }
    const Clock& clock() const { return clock_; }

    // The "関数" menu: one item per function group with a titled function.
    const FunctionMenu& functionMenu() const { return functionMenu_; }
    // A click on a group of the "関数" menu.
    void selectFunctionGroup(int tag);

  private:
    // Runs a key's work under the error protection of PushBBtn.
    void guarded(const std::function<void()>& work);
    // The view, for the formula sheet's boxes and clipboard.
    View& view() override { return view_; }
    // Takes from the settings and the set in force what the engine computes with.
    void applySetInForce();
    // Set `index` comes into force, the default set when there is no such set.
    void selectSet(int index);
    // Entry editing.
    void digit(int code);
    void threeZeros();
    void decimalPoint();
    void clearEntry();
    void backspace();
    void allClear();
    void copyToClipboard();
    bool ChkDgts(int extra);

    // Steps of the other key families.
    long double apply(int code, long double x, long double y);
    void operatorStep(int code);
    void numericOperatorStep(int code);
    void operatorOnResult(int code);
    void operatorOnFirstOperand(int code);
    void operatorOnPendingOperator(int code);
    void operatorOnSecondOperand(int code);
    void unitOperatorStep(int code);
    void unaryStep(int code);
    std::string functionLabel(int code) const;
    void memoryAddSubtract(int code);
    void memoryRecallKey();
    void memoryClearKey();
    void ProcBtnF(int code);
    void radixKey(int code);
    void functionKey(int code);

    // Keys of time and date mode.
    void timeUnitKey(int code);
    void dateUnitKey(int code);
    void weekdayKey();
    void calendarKey();
    void arrangeKey();
    void convertKey();
    void nextUnitKey(int code);
    // Decimal hours and the rounding keys of time mode.
    void timeSheetKey(int code);
    // A number typed after the last unit of a time entry takes its unit.
    void completeTimeEntry();

    // Modes.
    void FunctionKeyRow(int row);
    int checkedFunctionGroup();
    void applyModeFace();
    void describeKeys();

    void setDisplay(std::string text);
    void setPanel(StatusPart part, std::string_view text) { status_.setPanel(part, text); }
    void DspMsg(std::string_view text, int kind) { status_.DspMsg(text, kind); }
    void AddHList(std::string_view text, int kind) { history_.AddHList(text, kind); }
    // The line the key just wrote takes the display as its result.
    void settleResult();
    // Undo: the step about to be taken by a key from outside is kept.
    KeyStep currentStep() const;
    void recordKeyStep();
    void takeStep(KeyStep step);
    void WriteLog(std::string_view line) { log_.WriteLog(line); }
    long double displayValue();
    std::string zeroText();
    std::string format(long double value);

    View& view_;
    const Clock& clock_;
    Log log_;
    StatusLine status_;
    ErrorReporter errors_;
    ValueRules rules_;
    ValueServices services_;
    ValueContext values_{rules_, services_};
    History history_;
    CalcState state_;
    MemoryRegisters memory_;
    KeypadFace keypad_;
    GlobalSettings settings_;
    int currentSetIndex_ = kDefaultSetSlot;
    std::optional<CalcMode> checkedMode_;
    FunctionMenu functionMenu_;
    std::mt19937 random_;
    UserFunctionEvaluator userFunctionEvaluator_;
    UndoSteps undoSteps_;
    int keyDepth_ = 0;              // keys pressed by other keys are part of their step
    bool reducedRateLast_ = false;  // the last tax key used the reduced rate (for 税額)
};

}  // namespace tavrik
