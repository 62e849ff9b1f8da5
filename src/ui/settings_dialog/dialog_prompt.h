// The message boxes of the settings dialog. The dialog asks through this
// function so that a test can answer in place of the user.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "values/view.h"

namespace tavrik::ui {

// Shows `text`; with `withCancel` the box has OK and Cancel. True for OK.
using DialogPrompt = std::function<bool(BoxKind kind, const QString& text, bool withCancel)>;

// Modal message boxes over `parent`.
DialogPrompt MessageBoxPrompt(QWidget* parent);

}  // namespace tavrik::ui
