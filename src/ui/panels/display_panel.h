// The display window `pnlC`: the display text `stxC`, right-aligned, sized
// from the width of "8" in the display font.
#pragma once

#include <QLabel>
#include <string>

#include "engine/display_geometry.h"
#include "settings/settings_model.h"
#include "ui/panels/panel_widget.h"
#include "values/value_context.h"

namespace tavrik::ui {

class DisplayPanel final : public PanelWidget {
  public:
    explicit DisplayPanel(QWidget* parent);

    void place(const SettingsSet& set) override;
    // What the value texts need to know about the display as it now stands.
    DisplayGeometry geometry() const;
    // A `DigitsD` of 0: the display is a strip across the top of the window.
    bool spansTop() const { return DisplayDigits(digitsD_) == 0; }

    void setText(const std::string& text);
    // The second line under the value ("万・億表示"); shown when the set asks for it.
    void setReading(const std::string& reading);
    bool showsReading() const { return !reading_->isHidden(); }
    void fitWidth(int width) override;
    unsigned shownChanges() const override;
    void show(const Calculator& calc, unsigned changes) override;

  private:
    QLabel* text_;
    QLabel* reading_;
    int pitch_ = 0;
    int digitsD_ = 0;
    int digitWidth_ = 1;
};

}  // namespace tavrik::ui
