// One history list of the core seen as a Qt list model: rows are read by
// index from the core's lines, never copied. Appended lines are announced as
// inserted rows, so a view over a long list only takes in the new rows.
#pragma once

#include <QAbstractListModel>

#include "history/history_list.h"

namespace tavrik::ui {

class HistoryListModel final : public QAbstractListModel {
  public:
    HistoryListModel(const History& history, CalcMode mode, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Catches up with the core's list after it changed. Lines are only ever
    // appended, deleted or cleared, and every change is reported on its own:
    // a longer list gained rows at its end; a shorter one is read anew.
    void sync();

    CalcMode mode() const { return mode_; }

  private:
    const HistoryList& list() const { return history_.list(mode_); }

    const History& history_;
    CalcMode mode_;
    int rows_ = 0;  // the row count the attached views know
};

}  // namespace tavrik::ui
