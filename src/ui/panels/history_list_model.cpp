#include "ui/panels/history_list_model.h"

#include <algorithm>

namespace tavrik::ui {

namespace {

QString ResultRowText(const TapeRow& row) {
    QString text = QStringLiteral("= ") + QString::fromStdString(row.result);
    if (!row.grandTotal.empty())
        text += QStringLiteral("　GT ") + QString::fromStdString(row.grandTotal);
    return text;
}

// What a screen reader says for a result row.
QString ResultRowSpeech(const TapeRow& row) {
    QString text = QStringLiteral("結果 ") + QString::fromStdString(row.result);
    if (!row.grandTotal.empty())
        text += QStringLiteral("、累計 ") + QString::fromStdString(row.grandTotal);
    return text;
}

}  // namespace

HistoryListModel::HistoryListModel(const History& history, CalcMode mode, QObject* parent)
    : QAbstractListModel(parent), history_(history), mode_(mode) {
    rows_ = readRows();
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    const int line = lineOfRow(index.row());
    const auto at = static_cast<std::size_t>(line);
    const bool resultRow = index.row() != rowOfLine(line);
    switch (role) {
        case Qt::DisplayRole:
            return resultRow ? ResultRowText(tape_[at]) : QString::fromStdString(list().lines[at]);
        case Qt::AccessibleTextRole:
            return resultRow ? QVariant(ResultRowSpeech(tape_[at])) : QVariant();
        case Qt::TextAlignmentRole:
            return resultRow ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default:
            return {};
    }
}

int HistoryListModel::readRows() {
    if (!values_) {
        tape_.clear();
        firstRows_.clear();
        return static_cast<int>(list().lines.size());
    }
    tape_ = TapeRows(list(), *values_);
    firstRows_.resize(tape_.size());
    int row = 0;
    for (std::size_t i = 0; i < tape_.size(); ++i) {
        firstRows_[i] = row;
        row += tape_[i].result.empty() ? 1 : 2;
    }
    return row;
}

void HistoryListModel::sync() {
    const std::vector<int> shownFirstRows = firstRows_;
    const std::vector<TapeRow> shownTape = std::move(tape_);
    const std::size_t shownLines = values_ ? shownTape.size() : static_cast<std::size_t>(rows_);
    const int rows = readRows();
    // Rows of the lines already shown stay where they were only when no line
    // went and no result or total of those lines changed but the last line's.
    const bool kept =
        list().lines.size() >= shownLines && rows >= rows_ &&
        std::equal(shownFirstRows.begin(), shownFirstRows.end(), firstRows_.begin()) &&
        std::equal(shownTape.begin(), shownTape.end(), tape_.begin(), [](auto& a, auto& b) {
            return a.result.empty() || (a.result == b.result && a.grandTotal == b.grandTotal);
        });
    if (!kept) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
}

void HistoryListModel::showResults(const ValueContext* values) {
    if (values == values_) return;
    beginResetModel();
    values_ = values;
    rows_ = readRows();
    endResetModel();
}

int HistoryListModel::rowOfLine(int line) const {
    return values_ && line >= 0 ? firstRows_[static_cast<std::size_t>(line)] : line;
}

int HistoryListModel::rowsOfLine(int line) const {
    return values_ && !tape_[static_cast<std::size_t>(line)].result.empty() ? 2 : 1;
}

int HistoryListModel::lineOfRow(int row) const {
    if (!values_) return row;
    return static_cast<int>(std::ranges::upper_bound(firstRows_, row) - firstRows_.begin()) - 1;
}

}  // namespace tavrik::ui
