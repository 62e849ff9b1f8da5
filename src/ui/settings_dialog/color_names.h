// The Japanese names under which the colour lists show the named colours of
// the settings file ("clBlack" is shown as "黒").
#pragma once

#include <QString>
#include <string_view>

namespace tavrik::ui {

// The Japanese name of a colour identifier; the identifier itself for one
// this table does not know.
QString JapaneseColorName(std::string_view identifier);

}  // namespace tavrik::ui
