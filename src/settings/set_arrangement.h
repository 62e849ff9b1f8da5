// The settings dialog's arrangement list: the panels of a set's `Disp` in
// order, each checked when shown, with checked separator lines for the column
// breaks, padded to a fixed length with unchecked separators.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

inline constexpr int kArrangementLines = 11;
inline constexpr std::string_view kColumnBreakLine = "----------------";

struct ArrangementLine {
    char letter = '\0';  // an upper-case panel letter; '\0' for a separator
    bool checked = false;

    bool isSeparator() const { return letter == '\0'; }
    bool operator==(const ArrangementLine&) const = default;
};

// "表示窓", "ボタンパネル", … for a panel letter; the column-break line otherwise.
std::string_view ArrangementLineText(char letter);

std::vector<ArrangementLine> ArrangementFromDisp(std::string_view disp);
std::string DispFromArrangement(const std::vector<ArrangementLine>& lines);
// What "OK" stores for a list loaded from `read`: the text as read while the
// list is as it was loaded, so that an untouched list changes nothing.
std::string DispToSave(const std::vector<ArrangementLine>& lines, std::string_view read);

}  // namespace tavrik
