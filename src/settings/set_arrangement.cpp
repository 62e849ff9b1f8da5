#include "settings/set_arrangement.h"

#include <array>
#include <cctype>

namespace tavrik {

namespace {

constexpr std::array<std::string_view, kPanelLetters.size()> kPanelNames{
    "表示窓", "ボタンパネル", "メモリパネル", "履歴リスト", "履歴操作パネル", "式パネル"};

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

std::string_view ArrangementLineText(char letter) {
    const auto pos = kPanelLetters.find(letter);
    return letter == '\0' || pos == std::string_view::npos ? kColumnBreakLine : kPanelNames[pos];
}

std::vector<ArrangementLine> ArrangementFromDisp(std::string_view disp) {
    std::vector<ArrangementLine> lines;
    std::array<bool, kPanelLetters.size()> listed{};
    for (char c : disp) {
        if (c == '/') {
            lines.push_back({'\0', true});
            continue;
        }
        const char letter = Upper(c);
        const auto pos = kPanelLetters.find(letter);
        if (pos == std::string_view::npos || listed[pos]) continue;
        listed[pos] = true;
        lines.push_back({letter, c == letter});
    }
    for (std::size_t i = 0; i < kPanelLetters.size(); ++i)
        if (!listed[i]) lines.push_back({kPanelLetters[i], false});
    while (lines.size() < static_cast<std::size_t>(kArrangementLines)) lines.push_back({});
    return lines;
}

std::string DispFromArrangement(const std::vector<ArrangementLine>& lines) {
    std::string disp;
    for (const ArrangementLine& line : lines) {
        if (!line.isSeparator()) {
            disp += line.checked
                        ? line.letter
                        : static_cast<char>(std::tolower(static_cast<unsigned char>(line.letter)));
        } else if (line.checked && !disp.empty() && disp.back() != '/') {
            disp += '/';
        }
    }
    return disp;
}

}  // namespace tavrik
