// One sub-page of set page 3: the colours, font and size of one panel, and
// the options only that panel has.
#pragma once

#include <QCheckBox>
#include <QWidget>

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
    const PanelFields& fields_;
    PanelKind kind_;
    char letter_;  // in the controls' object names
    ColorPicker* color_;
    FontPicker* font_;
    SettingSpin* size_;
    QCheckBox* bold_;
    ColorPicker* fontColor_;
    ColorPicker* back_ = nullptr;
    SettingSpin* digits_ = nullptr;
    // Options of single panels.
    SettingSpin* pitchB_ = nullptr;
    SettingSpin* lines_ = nullptr;  // "行" of H and F
    QCheckBox* variableLines_ = nullptr;
    SettingSpin* maxLines_ = nullptr;
    SettingChoice* lineNumbers_ = nullptr;
    QCheckBox* moveS_ = nullptr;
    SettingChoice* scrollBars_ = nullptr;
    QCheckBox* runButton_ = nullptr;
};

}  // namespace tavrik::ui
