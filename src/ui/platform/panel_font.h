// Fonts of the panels, from the font fields of a settings set.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "settings/panel_kinds.h"

namespace tavrik::ui {

// The font named by the settings; when that face is not installed, a
// Japanese-capable family of the same size stands in, so the captions and
// unit characters still render.
QFont PanelFont(const std::string& name, int pointSize, bool bold);
// The font of a panel's style.
QFont PanelFont(const PanelStyle& style);

// Noto Sans CJK JP when installed, else the first installed family that
// writes Japanese; empty when there is none (Qt's default font is used).
QString JapaneseFallbackFamily();

}  // namespace tavrik::ui
