// Captions of the five top-level menus, chosen by the `Menu` setting.
#pragma once

#include <QMenuBar>
#include <array>
#include <string>

#include "settings/settings_model.h"

namespace tavrik::ui {

// 1 English, 2 the user's own (`MenuO` … `MenuH`), anything else Japanese;
// in the order 操作, モード, 表示, 関数, ヘルプ.
std::array<std::string, 5> MenuCaptions(const GlobalSettings& settings);

// `caption` with the access letter `letter`: "操作" gives "操作(&O)", "Ope."
// gives "&Ope."; a caption with its own '&' or an empty one stays as it is.
QString WithAccessLetter(const std::string& caption, char letter);

// Gives the captions with their access letters to the menus mnuO, mnuM, mnuV, mnuF and mnuH of `bar`.
void ApplyMenuCaptions(QMenuBar& bar, const GlobalSettings& settings);

}  // namespace tavrik::ui
