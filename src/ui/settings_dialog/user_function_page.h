// Page "関数（定義）": the six user functions, each with its display name,
// its formula and a "Chk" button that checks the formula.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <array>

#include "settings/function_codes.h"
#include "settings/settings_model.h"
#include "ui/settings_dialog/dialog_prompt.h"

namespace tavrik::ui {

class UserFunctionPage final : public QWidget {
  public:
    static constexpr int kFunctions = kUserFunctions;

    explicit UserFunctionPage(DialogPrompt prompt, QWidget* parent = nullptr);

    void load(const GlobalSettings& settings);
    void store(GlobalSettings& settings) const;
    void check(int row) const;

  private:
    DialogPrompt prompt_;
    std::array<QLineEdit*, kFunctions> names_{};
    std::array<QLineEdit*, kFunctions> formulas_{};
};

}  // namespace tavrik::ui
