// The program's icon, drawn at run time so that no image file has to be found.
#pragma once

#include <QIcon>

namespace tavrik::ui {

QIcon AppIcon();

}  // namespace tavrik::ui
