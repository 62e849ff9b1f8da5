// Colours of the settings file as Qt colours.
#pragma once

#include <QColor>

#include "settings/settings_model.h"

namespace tavrik::ui {

// 0x00BBGGRR is a plain colour; 0x80000000 + index a system colour, taken
// from the application palette where it has a counterpart. clNone and
// clDefault give an invalid colour: leave the widget's own.
QColor ToQColor(Color color);

}  // namespace tavrik::ui
