#include "settings/set_arrangement.h"

#include <cctype>

#include "settings/panel_kinds.h"

namespace tavrik {

std::string_view ArrangementLineText(char letter) {
    const std::optional<PanelKind> kind = PanelKindOfLetter(letter);
    return letter == '\0' || !kind ? kColumnBreakLine : InfoOf(*kind).caption;
}

// The panels in the order the window places them, each checked when shown;
// the absent ones follow, unchecked.
std::vector<ArrangementLine> ArrangementFromDisp(std::string_view disp) {
    const DispReading reading = ReadDisp(disp);
    std::vector<ArrangementLine> lines;
    for (const std::optional<PanelKind>& item : reading.order)
        lines.push_back(item ? ArrangementLine{InfoOf(*item).letter, reading[*item].shown}
                             : ArrangementLine{'\0', true});
    for (const PanelKindInfo& info : kPanelKinds)
        if (!reading[info.kind].present) lines.push_back({info.letter, false});
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

std::string DispToSave(const std::vector<ArrangementLine>& lines, std::string_view read) {
    if (lines == ArrangementFromDisp(read)) return std::string(read);
    return DispFromArrangement(lines);
}

}  // namespace tavrik
