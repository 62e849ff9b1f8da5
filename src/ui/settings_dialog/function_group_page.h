// Page "関数（選択）": the ten function groups, their names in the first row
// and their six function keys below, edited in place; below the grid, what the
// chosen function computes.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTableWidget>

#include "settings/settings_model.h"

namespace tavrik::ui {

class FunctionGroupPage final : public QWidget {
  public:
    static constexpr int kGroups = 10;
    static constexpr int kSlotsPerGroup = 6;
    static constexpr int kNameRow = 0;

    explicit FunctionGroupPage(QWidget* parent = nullptr);

    void load(const GlobalSettings& settings);
    void store(GlobalSettings& settings) const;
    // Refills the function list from the titles, keeping its selected position.
    void setFunctionList(const GlobalSettings& settings);

    QTableWidget* grid() const { return grid_; }
    // What the chosen or highlighted function computes.
    QLabel* description() const { return description_; }

  private:
    void describe(const QString& description);

    QTableWidget* grid_;
    QLabel* description_;
    QStringList functions_;     // an empty entry, then F#101 … F#200
    QStringList descriptions_;  // the catalogue text of each entry
};

}  // namespace tavrik::ui
