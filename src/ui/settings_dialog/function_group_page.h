// Page "関数（選択）": the ten function groups, their names in the first row
// and their six function keys below, edited in place; below the grid, what the
// chosen function computes.
#pragma once

#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <vector>

#include "settings/settings_model.h"

namespace tavrik::ui {

// The entries of the function list: an empty entry, then each code a user
// can choose (one with a function) and each code the settings assign without
// one, marked as such.
struct FunctionChoices {
    QStringList texts;
    QStringList descriptions;  // the catalogue text of each entry
    std::vector<int> codes;

    // The entry of `code`; 0, the empty entry, for a code not listed.
    int entryOf(int code) const;
};

class FunctionGroupPage final : public QWidget {
  public:
    static constexpr int kGroups = 10;
    static constexpr int kSlotsPerGroup = 6;
    static constexpr int kNameRow = 0;

    explicit FunctionGroupPage(QWidget* parent = nullptr);

    void load(const GlobalSettings& settings);
    void store(GlobalSettings& settings) const;
    // Refills the function list from the titles and the assigned codes.
    void setFunctionList(const GlobalSettings& settings);

    QTableWidget* grid() const { return grid_; }
    // What the chosen or highlighted function computes.
    QLabel* description() const { return description_; }

  private:
    void describe(const QString& description);

    QTableWidget* grid_;
    QLabel* description_;
    FunctionChoices choices_;
};

}  // namespace tavrik::ui
