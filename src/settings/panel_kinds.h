// The six panels a set's `Disp` text arranges, and the one reading of that
// text the window and the settings dialog share.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tavrik {

enum class PanelKind : std::size_t { Display, Buttons, Memory, History, HistoryOps, Formula };
inline constexpr std::size_t kPanelKindCount = 6;

struct PanelKindInfo {
    PanelKind kind;
    char letter;               // upper case, as written in `Disp`
    std::string_view caption;  // in the arrangement list, the "表示" menu and the panel tabs
};

inline constexpr std::array<PanelKindInfo, kPanelKindCount> kPanelKinds{{
    {PanelKind::Display, 'D', "表示窓"},
    {PanelKind::Buttons, 'B', "ボタンパネル"},
    {PanelKind::Memory, 'M', "メモリパネル"},
    {PanelKind::History, 'H', "履歴リスト"},
    {PanelKind::HistoryOps, 'S', "履歴操作パネル"},
    {PanelKind::Formula, 'F', "式パネル"},
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
