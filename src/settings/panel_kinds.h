// The six panels a set's `Disp` text arranges, and the one reading of that
// text the window and the settings dialog share.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_model.h"

namespace tavrik {

enum class PanelKind : std::size_t { Display, Buttons, Memory, History, HistoryOps, Formula };
inline constexpr std::size_t kPanelKindCount = 6;

// Where a panel keeps the settings it shares with the others; `back` and
// `digits` are missing for the panels without them.
struct PanelFields {
    Color SettingsSet::*color;
    std::string SettingsSet::*font;
    int SettingsSet::*size;
    bool SettingsSet::*bold;
    Color SettingsSet::*fontColor;
    Color SettingsSet::*back;
    int SettingsSet::*digits;
    int minFontSize;
};

// The line count of the history list and of the formula panel, as offered
// by the settings dialog and taken by the layout from a hand-edited file.
inline constexpr int kMaxPanelLines = 100;

struct PanelKindInfo {
    PanelKind kind;
    char letter;               // upper case, as written in `Disp`
    std::string_view caption;  // in the arrangement list, the "表示" menu and the panel tabs
    PanelFields fields;
};

// The smallest font size the dialog offers for every panel but the display.
inline constexpr int kMinPanelFontSize = 5;

inline constexpr std::array<PanelKindInfo, kPanelKindCount> kPanelKinds{{
    {PanelKind::Display,
     'D',
     "表示窓",
     {&SettingsSet::ColorD, &SettingsSet::FontNameD, &SettingsSet::FontSizeD,
      &SettingsSet::FontBoldD, &SettingsSet::FontColorD, &SettingsSet::BackColorD,
      &SettingsSet::DigitsD, 0}},
    {PanelKind::Buttons,
     'B',
     "ボタンパネル",
     {&SettingsSet::ColorB, &SettingsSet::FontNameB, &SettingsSet::FontSizeB,
      &SettingsSet::FontBoldB, &SettingsSet::FontColorB, nullptr, &SettingsSet::DigitsB,
      kMinPanelFontSize}},
    {PanelKind::Memory,
     'M',
     "メモリパネル",
     {&SettingsSet::ColorM, &SettingsSet::FontNameM, &SettingsSet::FontSizeM,
      &SettingsSet::FontBoldM, &SettingsSet::FontColorM, &SettingsSet::BackColorM,
      &SettingsSet::DigitsM, kMinPanelFontSize}},
    {PanelKind::History,
     'H',
     "履歴リスト",
     {&SettingsSet::ColorH, &SettingsSet::FontNameH, &SettingsSet::FontSizeH,
      &SettingsSet::FontBoldH, &SettingsSet::FontColorH, &SettingsSet::BackColorH,
      &SettingsSet::DigitsH, kMinPanelFontSize}},
    {PanelKind::HistoryOps,
     'S',
     "履歴操作パネル",
     {&SettingsSet::ColorS, &SettingsSet::FontNameS, &SettingsSet::FontSizeS,
      &SettingsSet::FontBoldS, &SettingsSet::FontColorS, nullptr, nullptr, kMinPanelFontSize}},
    {PanelKind::Formula,
     'F',
     "式パネル",
     {&SettingsSet::ColorF, &SettingsSet::FontNameF, &SettingsSet::FontSizeF,
      &SettingsSet::FontBoldF, &SettingsSet::FontColorF, &SettingsSet::BackColorF,
      &SettingsSet::DigitsF, kMinPanelFontSize}},
}};

constexpr const PanelKindInfo& InfoOf(PanelKind kind) {
    return kPanelKinds[static_cast<std::size_t>(kind)];
}
// The kind of a panel letter in either case; nothing for any other character.
std::optional<PanelKind> PanelKindOfLetter(char c);

struct PanelPresence {
    bool present = false;  // built, with its "表示" item
    bool shown = false;
};

// `Disp` as read: each panel once, at its first letter, and every "/".
struct DispReading {
    std::array<PanelPresence, kPanelKindCount> panels{};
    std::vector<std::optional<PanelKind>> order;  // nothing: a column break

    const PanelPresence& operator[](PanelKind kind) const {
        return panels[static_cast<std::size_t>(kind)];
    }
};

// A letter in either case makes its panel present; the panel is shown when
// the letter occurs in upper case anywhere. A panel named twice takes its
// place once, at its first letter. The history operation panel comes only
// with the history list. Characters other than the six letters and "/" are
// ignored.
DispReading ReadDisp(std::string_view disp);

}  // namespace tavrik
