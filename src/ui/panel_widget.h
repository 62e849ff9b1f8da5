// Common ground of the window's panels: a coloured container whose content
// follows when the arrangement widens it to its column.
#pragma once

#include <QWidget>

#include "settings/settings_model.h"

namespace tavrik::ui {

class PanelWidget : public QWidget {
  public:
    using QWidget::QWidget;

    // Sets the panel's width and adapts its content to it.
    virtual void fitWidth(int width) = 0;

  protected:
    // Fills the background of `widget` with a settings colour (unless clNone or clDefault).
    static void paintBackground(QWidget& widget, Color color);
    static void setTextColor(QWidget& widget, Color color);
};

}  // namespace tavrik::ui
