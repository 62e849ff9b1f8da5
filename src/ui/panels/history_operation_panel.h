// The history operation panel `pnlS`: "クリア", "削除", "実行", the check box
// `cbxHC` "↓" and the recording toggle `sbtHE` ("○" on, "×" off), sized from
// "8" in the panel font.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <functional>

#include "history/history_list.h"
#include "settings/settings_model.h"
#include "ui/panels/panel_widget.h"

namespace tavrik::ui {

class HistoryOperationPanel final : public PanelWidget {
  public:
    struct Commands {
        std::function<void()> clear;
        std::function<void()> deleteLine;
        std::function<void()> replay;
        std::function<void(bool)> moveDown;  // the "↓" check
        std::function<void()> toggleRecording;
    };

    HistoryOperationPanel(QWidget* parent, Commands commands);

    // Builds the panel; the "↓" check starts as the set's `MoveS`.
    void build(const SettingsSet& set) override;
    void place(const SettingsSet& set) override;
    // The toggle and the check as the core keeps them.
    void showState(const History& history);
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;

  private:
    Commands commands_;
    QPushButton* clear_;
    QPushButton* delete_;
    QPushButton* replay_;
    QCheckBox* moveDown_;
    QPushButton* recording_;
    int pitch_ = 0;
};

}  // namespace tavrik::ui
