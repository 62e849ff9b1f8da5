// Page "関数（選択）": the ten function groups, their names in the first row
// and their six function keys below, edited in place.
#pragma once

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

  private:
    QTableWidget* grid_;
    QStringList functions_;  // an empty entry, then F#101 … F#200
};

}  // namespace tavrik::ui
