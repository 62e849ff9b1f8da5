// One history list of the core seen as a Qt list model: rows are read by
// index from the core's lines, never copied. Appended lines are announced as
// inserted rows, so a view over a long list only takes in the new rows.
//
// With results shown, each line that shows a result is followed by a row of
// its own with it, right-aligned ("= 4,730"), and after an "=" line the
// running grand total ("GT 9,460"), as an office tape prints them. Rows then
// differ from lines: rowOfLine and lineOfRow translate. The tape read for
// them keeps each line's row (with a copy of its text), taking in only the
// lines appended since the last change.
#pragma once

#include <QAbstractListModel>
#include <vector>

#include "engine/tape.h"
#include "history/history_list.h"

namespace tavrik::ui {

class HistoryListModel final : public QAbstractListModel {
  public:
    HistoryListModel(const History& history, CalcMode mode, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Catches up with the core's list after it changed. Lines are only ever
    // appended, deleted or cleared, and every change is reported on its own:
    // a longer list gained rows at its end; a shorter one is read anew. A
    // line takes its result after it was appended, while it is the last.
    void sync();
    // Shows the results written as `values` writes numbers; nullptr shows
    // the lines alone.
    void showResults(const ValueContext* values);
    // Reads the whole list anew, for when the way numbers are written changed.
    void reread();

    // The first row of line `line`, and how many rows it has (1, or 2 with
    // its result); the line a row belongs to.
    int rowOfLine(int line) const;
    int rowsOfLine(int line) const;
    int lineOfRow(int row) const;

    CalcMode mode() const { return mode_; }

  private:
    const HistoryList& list() const { return history_.list(mode_); }
    const TapeRow& tapeRow(int line) const { return tape_.rows()[static_cast<std::size_t>(line)]; }
    // The row count the core's list gives now. With results shown, the tape
    // takes in the lines appended since its last read.
    int readRows();

    const History& history_;
    CalcMode mode_;
    int rows_ = 0;  // the row count the attached views know
    const ValueContext* values_ = nullptr;
    // With results shown: the list as the tape reads it, and each line's first row.
    TapeReader tape_;
    std::vector<int> firstRows_;
};

}  // namespace tavrik::ui
