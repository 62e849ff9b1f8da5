// One sub-page of set page 3: the colours, font and size of one panel, and
// the options only that panel has.
#pragma once

#include <QCheckBox>
#include <QFormLayout>
#include <QWidget>
#include <vector>

#include "settings/panel_kinds.h"
#include "settings/settings_model.h"
#include "ui/settings_dialog/dialog_controls.h"

namespace tavrik::ui {

class PanelPage final : public QWidget {
  public:
    explicit PanelPage(PanelKind kind, QWidget* parent = nullptr);

    void load(const SettingsSet& set);
    void store(SettingsSet& set) const;

  private:
    // The controls of one of the panel's own options.
    struct OptionControls {
        const PanelOption* option;
        SettingSpin* spin = nullptr;
        QCheckBox* check = nullptr;  // Check, and the sign of SignedNumber
        SettingChoice* choice = nullptr;
    };
    void addOption(QFormLayout& form, const PanelOption& option);

    const PanelFields& fields_;
    char letter_;  // in the controls' object names
    ColorPicker* color_;
    FontPicker* font_;
    SettingSpin* size_;
    QCheckBox* bold_;
    ColorPicker* fontColor_;
    ColorPicker* back_ = nullptr;
    SettingSpin* digits_ = nullptr;
    std::vector<OptionControls> options_;
};

}  // namespace tavrik::ui
