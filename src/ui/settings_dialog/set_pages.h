// Set pages 1 to 3 of one settings set: name, mode, bars and arrangement;
// general options; one sub-page per panel.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <array>

#include "settings/settings_model.h"
#include "ui/settings_dialog/arrangement_list.h"
#include "ui/settings_dialog/dialog_controls.h"
#include "ui/settings_dialog/panel_page.h"

namespace tavrik::ui {

class SetPages final : public QStackedWidget {
  public:
    static constexpr int kPageCount = 3;

    explicit SetPages(QWidget* parent = nullptr);

    // Every control takes the set's value; the name is not loaded here.
    void load(const SettingsSet& set);
    void store(SettingsSet& set) const;

    QLineEdit* nameEdit() const { return name_; }
    ArrangementList* arrangement() const { return arrangement_; }

  private:
    QWidget* buildPage1();
    QWidget* buildPage2();
    QWidget* buildPage3();

    QLineEdit* name_ = nullptr;
    SettingChoice* mode_ = nullptr;
    SettingChoice* statusBar_ = nullptr;
    QCheckBox* titleBar_ = nullptr;
    ArrangementList* arrangement_ = nullptr;

    SettingSpin* pitch_ = nullptr;
    ColorPicker* color_ = nullptr;
    QCheckBox* trans_ = nullptr;
    SettingSpin* alphaActive_ = nullptr;
    SettingSpin* alphaInactive_ = nullptr;
    QCheckBox* pTrans_ = nullptr;
    SettingChoice* roundMethod_ = nullptr;
    SettingSpin* roundDigits_ = nullptr;
    QCheckBox* doubleClick_ = nullptr;
    SettingSpin* zoom_ = nullptr;  // "倍率", percent
    QCheckBox* zoomFit_ = nullptr;
    QCheckBox* manOku_ = nullptr;
    QCheckBox* timeColon_ = nullptr;

    QTabWidget* panelTabs_ = nullptr;
    std::array<PanelPage*, 6> panels_{};
};

}  // namespace tavrik::ui
