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
    const bool resultRow = index.row() != rowOfLine(line);
    switch (role) {
        case Qt::DisplayRole:
            return resultRow ? ResultRowText(tapeRow(line))
                             : QString::fromStdString(list().lines[static_cast<std::size_t>(line)]);
        case Qt::AccessibleTextRole:
            return resultRow ? QVariant(ResultRowSpeech(tapeRow(line))) : QVariant();
        case Qt::TextAlignmentRole:
            return resultRow ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        default:
            return {};
    }
}

int HistoryListModel::readRows() {
    if (!values_) return static_cast<int>(list().lines.size());
    const std::size_t firstNew = tape_.rows().empty() ? 0 : tape_.rows().size() - 1;
    tape_.extend(list(), *values_);
    firstRows_.resize(tape_.rows().size());
    int row = firstNew == 0 ? 0 : firstRows_[firstNew];
    for (std::size_t i = firstNew; i < tape_.rows().size(); ++i) {
        firstRows_[i] = row;
        row += tape_.rows()[i].result.empty() ? 1 : 2;
    }
    return row;
}

void HistoryListModel::sync() {
    const int lines = static_cast<int>(list().lines.size());
    const int shownLines = values_ ? static_cast<int>(tape_.rows().size()) : rows_;
    if (lines < shownLines) return reread();
    const int rows = readRows();
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
}

void HistoryListModel::reread() {
    beginResetModel();
    tape_.clear();
    firstRows_.clear();
    rows_ = readRows();
    endResetModel();
}

void HistoryListModel::showResults(const ValueContext* values) {
    if (values == values_) return;
    values_ = values;
    reread();
}

int HistoryListModel::rowOfLine(int line) const {
    return values_ && line >= 0 ? firstRows_[static_cast<std::size_t>(line)] : line;
}

int HistoryListModel::rowsOfLine(int line) const {
    return values_ && !tapeRow(line).result.empty() ? 2 : 1;
}

int HistoryListModel::lineOfRow(int row) const {
    if (!values_) return row;
    return static_cast<int>(std::ranges::upper_bound(firstRows_, row) - firstRows_.begin()) - 1;
}

}  // namespace tavrik::ui
