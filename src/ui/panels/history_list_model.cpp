#include "ui/panels/history_list_model.h"

namespace tavrik::ui {

HistoryListModel::HistoryListModel(const History& history, CalcMode mode, QObject* parent)
    : QAbstractListModel(parent),
      history_(history),
      mode_(mode),
      rows_(static_cast<int>(list().lines.size())) {}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    const auto& lines = list().lines;
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= lines.size()) return {};
    return QString::fromStdString(lines[row]);
}

void HistoryListModel::sync() {
    const int rows = static_cast<int>(list().lines.size());
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    }
}

}  // namespace tavrik::ui
