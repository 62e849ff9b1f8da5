// The program's modal message box: the "Tavrik" title, an icon for the kind,
// OK, and Cancel where the user may refuse.
#pragma once

#include <QString>
#include <QWidget>

#include "values/view.h"

namespace tavrik::ui {

// True when the box was answered with OK.
bool ShowMessageBox(QWidget* parent, BoxKind kind, const QString& text, bool withCancel);

}  // namespace tavrik::ui
