// The formula sheet: free text in which formula lines are evaluated and
// answered in place, with the display value as X. Holds the text (CR LF line
// breaks), the selection and the "式付加" check; the desktop panel shows it.
// The commands that change the text or the selection (run, read a file, the
// double-click rule) tell the view with kSheetChanged.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/sheet_line.h"
#include "settings/settings_model.h"
#include "values/value_context.h"
#include "values/view.h"

namespace tavrik {

// What the sheet reads of the calculator it runs beside.
class SheetHost {
  public:
    // The display text: X of a run.
    virtual const std::string& displayText() const = 0;
    // The set in force: FPlusF and DblClickF.
    virtual const SettingsSet& currentSet() const = 0;
    // The value rules and services of the calculator; a run reads and writes
    // by the decimal rules instead of the mode's.
    virtual const ValueContext& values() const = 0;
    // Boxes, clipboard and the sheet's changes.
    virtual View& view() = 0;

  protected:
    ~SheetHost() = default;
};

class FormulaSheet {
  public:
    explicit FormulaSheet(SheetHost& host) : host_(host) {}

    const std::string& text() const { return text_; }
    // Replaces the whole text; the selection becomes the caret at its start.
    void setText(std::string text);
    std::vector<std::string> lines() const;
    void clear() { setText({}); }
    // Appends a line as the new last line.
    void addLine(std::string_view line);
    // Inserts text at the caret, replacing the selection; the caret follows it.
    void insertText(std::string_view text);

    // Selection in characters, a line break counting as two; clamped to the text.
    void select(std::size_t start, std::size_t length);
    std::size_t selectionStart() const { return selStart_; }
    std::size_t selectionLength() const { return selLength_; }
    std::string selectedText() const;
    std::size_t length() const;

    // The "式付加" check; follows FPlusF of the set in force until toggled,
    // and again from the next layout of the panel.
    bool plusFormula() const;
    void setPlusFormula(bool on) { plusFormula_ = on; }
    void layoutBuilt() { plusFormula_.reset(); }

    // "実行": evaluates the selection, or every line from the last up, with
    // the decimal value rules; the calculator's own rules stay untouched.
    // Lines longer than kMaxFormulaLineLength are left as notes, and a line
    // with a power, root or named function gets no answer; the message part
    // of the status bar says why.
    // A failure to format a result ends the run with the lines already
    // answered kept.
    // Every command of the sheet below runs guarded: a failure ends it and
    // reaches the default error report, an error box with its text, so no
    // front end guards them.
    void RunFormulaPanel();
    // "式のコピー": the normalised formula of the selection to the clipboard.
    void CopyFormula();
    // "ファイル書込" / "ファイル読込" of the file at `path`: true when the file
    // was written or read; a file that fails is reported with a box.
    bool WriteFormulaFile(const std::string& path);
    bool ReadFormulaFile(const std::string& path);

    // The double-click rule: a double-click marks the next mouse-up, which
    // selects the line holding the caret and, with DblClickF, runs it.
    void doubleClick() { doubleClicked_ = true; }
    void mouseUp(std::size_t caret);

    // What the last run made of the line (or selection) it read last: for a
    // run of lines, the first line that is not blank or a comment.
    const LineAnswer& lastAnswer() const { return lastAnswer_; }

  private:
    // Runs `command`; false when it failed, after the failure was reported.
    bool guarded(const std::function<bool()>& command);
    void run();
    bool writeFile(const std::string& path);
    bool readFile(const std::string& path);
    void applyDoubleClick(std::size_t caret);
    // What every line of a run is answered with, set up once for the run.
    struct RunRules {
        const ValueContext& decimal;
        const std::function<long double()>& x;  // the display value
        bool plusFormula;
    };
    // Appends to `out` the text that follows `source` for its answer; false,
    // with `out` unchanged, when it has none.
    bool answer(const RunRules& rules, std::string_view source, bool resultOnNewLine,
                std::string& out);
    // X: the display value, read by the decimal reader at the run's first formula.
    long double displayValue(const ValueContext& decimal);
    void runSelection(const RunRules& rules);
    void runLines(const RunRules& rules);

    SheetHost& host_;
    std::string text_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    std::optional<bool> plusFormula_;
    bool doubleClicked_ = false;
    std::optional<long double> runX_;
    LineAnswer lastAnswer_;
    bool skippedLongLine_ = false;  // a line of the run was too long to answer
    // A line of this run needed the function keys.
    bool runNeedsFunctionKeys_ = false;
};

}  // namespace tavrik
