// The six panels a set's `Disp` text arranges, and the one reading of that
// text the window and the settings dialog share.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_ranges.h"
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
    SettingRange fontSize;
};

// How the settings dialog shows an option only some panels have.
enum class PanelOptionControl {
    Number,        // a spin box over `range`
    SignedNumber,  // a spin box of the magnitude, and a check box that makes it negative
    Choice,        // a drop-down list of `choices`
    Check,         // a check box captioned `caption`
};

struct ChoiceEntry {
    std::string_view caption;
    int value;  // as the settings file holds it
};

// One option of a panel. `name` is its key without the panel letter; the
// dialog's control is named after it ("spnLineH", "cmbScBarF", …).
struct PanelOption {
    PanelOptionControl control;
    std::string_view name;
    std::string_view caption;
    int SettingsSet::*number = nullptr;  // all but Check
    bool SettingsSet::*flag = nullptr;   // Check
    SettingRange range{};                // Number, SignedNumber
    std::span<const ChoiceEntry> choices{};
    std::string_view signName{};  // SignedNumber: the check box
    std::string_view signCaption{};
};

inline constexpr std::array<ChoiceEntry, 5> kLineNumberChoices{
    {{"なし", 0}, {"AC毎", 1}, {"AC毎（数字のみ）", 2}, {"連続", 11}, {"連続（数字のみ）", 12}}};
inline constexpr std::array<ChoiceEntry, 4> kScrollBarChoices{
    {{"表示しない", 0}, {"縦のみ表示", 1}, {"横のみ表示", 2}, {"縦横とも表示", 3}}};

inline constexpr std::array<PanelOption, 1> kButtonOptions{{
    {.control = PanelOptionControl::Number,
     .name = "Pitch",
     .caption = "間",
     .number = &SettingsSet::PitchB,
     .range = kKeyGapRange},
}};
inline constexpr std::array<PanelOption, 4> kHistoryOptions{{
    // A negative count lets the list grow with the window.
    {.control = PanelOptionControl::SignedNumber,
     .name = "Line",
     .caption = "行",
     .number = &SettingsSet::LineH,
     .range = kPanelLinesRange,
     .signName = "LineVar",
     .signCaption = "可変"},
    {.control = PanelOptionControl::Number,
     .name = "MaxLine",
     .caption = "最大履歴",
     .number = &SettingsSet::MaxLineH,
     .range = kHistoryLimitRange},
    {.control = PanelOptionControl::Choice,
     .name = "LNoType",
     .caption = "行番",
     .number = &SettingsSet::LNoTypeH,
     .choices = kLineNumberChoices},
    {.control = PanelOptionControl::Check,
     .name = "Result",
     .caption = "結果を表示",
     .flag = &SettingsSet::ResultH},
}};
inline constexpr std::array<PanelOption, 1> kHistoryOpsOptions{{
    {.control = PanelOptionControl::Check,
     .name = "Move",
     .caption = "移動",
     .flag = &SettingsSet::MoveS},
}};
inline constexpr std::array<PanelOption, 4> kFormulaOptions{{
    {.control = PanelOptionControl::Number,
     .name = "Line",
     .caption = "行",
     .number = &SettingsSet::LineF,
     .range = kPanelLinesRange},
    {.control = PanelOptionControl::Choice,
     .name = "ScBar",
     .caption = "スクロールバー",
     .number = &SettingsSet::ScBarF,
     .choices = kScrollBarChoices},
    {.control = PanelOptionControl::Check,
     .name = "FRBtn",
     .caption = "＝ボタン",
     .flag = &SettingsSet::FRBtnF},
    {.control = PanelOptionControl::Check,
     .name = "Auto",
     .caption = "自動計算",
     .flag = &SettingsSet::AutoF},
}};

struct PanelKindInfo {
    PanelKind kind;
    char letter;               // upper case, as written in `Disp`
    std::string_view caption;  // in the arrangement list, the "表示" menu and the panel tabs
    std::string_view accessibleName;  // what a screen reader calls the panel
    PanelFields fields;
    std::span<const PanelOption> options;  // in the order the dialog shows them
};

inline constexpr std::array<PanelKindInfo, kPanelKindCount> kPanelKinds{{
    {PanelKind::Display,
     'D',
     "表示窓",
     "表示窓",
     {&SettingsSet::ColorD, &SettingsSet::FontNameD, &SettingsSet::FontSizeD,
      &SettingsSet::FontBoldD, &SettingsSet::FontColorD, &SettingsSet::BackColorD,
      &SettingsSet::DigitsD, kDisplayFontSizeRange},
     {}},
    {PanelKind::Buttons,
     'B',
     "ボタンパネル",
     "ボタンパネル",
     {&SettingsSet::ColorB, &SettingsSet::FontNameB, &SettingsSet::FontSizeB,
      &SettingsSet::FontBoldB, &SettingsSet::FontColorB, nullptr, &SettingsSet::DigitsB,
      kPanelFontSizeRange},
     kButtonOptions},
    {PanelKind::Memory,
     'M',
     "メモリパネル",
     "メモリパネル",
     {&SettingsSet::ColorM, &SettingsSet::FontNameM, &SettingsSet::FontSizeM,
      &SettingsSet::FontBoldM, &SettingsSet::FontColorM, &SettingsSet::BackColorM,
      &SettingsSet::DigitsM, kPanelFontSizeRange},
     {}},
    {PanelKind::History,
     'H',
     "履歴リスト",
     "履歴リスト",
     {&SettingsSet::ColorH, &SettingsSet::FontNameH, &SettingsSet::FontSizeH,
      &SettingsSet::FontBoldH, &SettingsSet::FontColorH, &SettingsSet::BackColorH,
      &SettingsSet::DigitsH, kPanelFontSizeRange},
     kHistoryOptions},
    {PanelKind::HistoryOps,
     'S',
     "履歴操作パネル",
     "履歴操作パネル",
     {&SettingsSet::ColorS, &SettingsSet::FontNameS, &SettingsSet::FontSizeS,
      &SettingsSet::FontBoldS, &SettingsSet::FontColorS, nullptr, nullptr, kPanelFontSizeRange},
     kHistoryOpsOptions},
    {PanelKind::Formula,
     'F',
     "式パネル",
     "式パネル",
     {&SettingsSet::ColorF, &SettingsSet::FontNameF, &SettingsSet::FontSizeF,
      &SettingsSet::FontBoldF, &SettingsSet::FontColorF, &SettingsSet::BackColorF,
      &SettingsSet::DigitsF, kPanelFontSizeRange},
     kFormulaOptions},
}};

constexpr const PanelKindInfo& InfoOf(PanelKind kind) {
    return kPanelKinds[static_cast<std::size_t>(kind)];
}

// What a panel shares with the others, read from the set through the panel's
// fields, each number within the range the panels use it in.
struct PanelStyle {
    Color color = kClDefault;  // the panel's background
    std::string fontName;
    int fontSize = 0;  // points; 0 or below: the font's default size
    bool fontBold = false;
    Color fontColor = kClDefault;
    Color backColor = kClDefault;  // of the value or text area; kClDefault where there is none
    int digits = 0;                // the width in digits, within kDigitsRange; 0 where none
    int pitch = 0;                 // the margin around the content, within kPitchRange
};
PanelStyle StyleOf(const SettingsSet& set, PanelKind kind);
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
