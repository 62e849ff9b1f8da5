// The "基本" page: the options of the [Tavrik] section.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "settings/settings_model.h"
#include "ui/settings_dialog/dialog_controls.h"

namespace tavrik::ui {

class HolidayList;

class BasicPage final : public QWidget {
  public:
    explicit BasicPage(QWidget* parent = nullptr);

    // `names` are the sets of the dialog, in slot order.
    void load(const GlobalSettings& settings, const std::vector<std::string>& names);
    void store(GlobalSettings& settings) const;
    // The "設定" list after sets were added, deleted or renamed; its selected
    // position is kept.
    void setSetNames(const std::vector<std::string>& names);

  private:
    QComboBox* set_;
    QCheckBox* tsr_;
    QCheckBox* tpm_;
    QCheckBox* kk3_;
    SettingChoice* menu_;
    std::array<QLineEdit*, 5> menuCaptions_;
    SettingSpin* tax_;
    SettingSpin* reducedTax_;
    SettingChoice* taxRound_;
    QLineEdit* hexBefore_;
    QLineEdit* hexAfter_;
    QCheckBox* save_;
    QCheckBox* keepState_;
    QCheckBox* raiseRunning_;
    QCheckBox* bizDays_;
    QCheckBox* firstDay_;
    QCheckBox* gannen_;
    HolidayList* holidays_;
    std::string loadedSet_;
};

}  // namespace tavrik::ui
