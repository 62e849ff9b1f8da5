// Common ground of the window's panels: a coloured container whose content
// follows when the arrangement widens it to its column.
#pragma once

#include <QWidget>

#include "settings/panel_kinds.h"
#include "settings/settings_model.h"
#include "ui/panels/layout_scale.h"

namespace tavrik::ui {

class PanelWidget : public QWidget {
  public:
    // The panel is named for assistive technology as its kind.
    PanelWidget(PanelKind kind, QWidget* parent);

    // Builds the panel from the set in force at the scale last given.
    virtual void build(const SettingsSet& set) { place(set); }
    // Sizes, places and fonts only, from the set at the scale: a zoom step
    // runs this and leaves the panel's state as it is.
    virtual void place(const SettingsSet& set) = 0;
    void setScale(const LayoutScale& scale) { scale_ = scale; }

    // Sets the panel's width and adapts its content to it.
    virtual void fitWidth(int width) = 0;

    // The control F6 lands on: the topmost, then leftmost control that Tab
    // reaches and that is shown and enabled; nullptr when the panel is
    // hidden or has none.
    virtual QWidget* mainControl() const;

  protected:
    // Fills the background of `widget` with a settings colour (unless clNone or clDefault).
    static void paintBackground(QWidget& widget, Color color);
    static void setTextColor(QWidget& widget, Color color);
    // The tooltip and the accessible description of a control tell the same:
    // what it does.
    static void setHelp(QWidget& control, const QString& help);

    LayoutScale scale_;
};

}  // namespace tavrik::ui
