// Common ground of the window's panels: a coloured container whose content
// follows when the arrangement widens it to its column, and which shows the
// calculator's models it reads.
#pragma once

#include <QWidget>

#include "engine/calculator.h"
#include "settings/panel_kinds.h"
#include "settings/settings_model.h"
#include "ui/panels/layout_scale.h"

namespace tavrik::ui {

class PanelWidget : public QWidget {
  public:
    // The panel is named for assistive technology as its kind.
    PanelWidget(PanelKind kind, QWidget* parent);

    PanelKind kind() const { return kind_; }

    // Builds the panel from the set in force at the scale last given.
    virtual void build(const SettingsSet& set) { place(set); }
    // Sizes, places, fonts and colours only, from the set at the scale: a
    // zoom step runs this and leaves the panel's state as it is.
    virtual void place(const SettingsSet& set) = 0;
    void setScale(const LayoutScale& scale) { scale_ = scale; }

    // Sets the panel's width and adapts its content to it.
    virtual void fitWidth(int width) = 0;

    // The ViewChange bits of the models the panel shows.
    virtual unsigned shownChanges() const = 0;
    // Shows the calculator's models again after the ViewChange bits `changes`.
    virtual void show(const Calculator& calc, unsigned changes) = 0;
    using QWidget::show;

    // The control F6 lands on: the topmost, then leftmost control that Tab
    // reaches and that is shown and enabled; nullptr when the panel is
    // hidden or has none.
    virtual QWidget* mainControl() const;

  protected:
    // The panel's own background in the style's colour.
    void applyStyle(const PanelStyle& style);
    // A text area (a list or an editor) in the style's back and font colours.
    static void applyStyle(QWidget& area, const PanelStyle& style);
    // Fills the background of `widget` with a settings colour (unless clNone or clDefault).
    static void paintBackground(QWidget& widget, Color color);
    static void setTextColor(QWidget& widget, Color color);
    // The tooltip and the accessible description of a control tell the same:
    // what it does.
    static void setHelp(QWidget& control, const QString& help);

    LayoutScale scale_;

  private:
    PanelKind kind_;
};

}  // namespace tavrik::ui
