#include "settings/panel_kinds.h"

#include <algorithm>
#include <cctype>

namespace tavrik {

std::optional<PanelKind> PanelKindOfLetter(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const PanelKindInfo& info : kPanelKinds)
        if (info.letter == upper) return info.kind;
    return std::nullopt;
}

PanelStyle StyleOf(const SettingsSet& set, PanelKind kind) {
    const PanelFields& fields = InfoOf(kind).fields;
    PanelStyle style;
    style.color = set.*fields.color;
    style.fontName = set.*fields.font;
    style.fontSize = set.*fields.size;
    style.fontBold = set.*fields.bold;
    style.fontColor = set.*fields.fontColor;
    if (fields.back) style.backColor = set.*fields.back;
    if (fields.digits) style.digits = kDigitsRange.clamp(set.*fields.digits);
    style.pitch = kPitchRange.clamp(set.Pitch);
    return style;
}

DispReading ReadDisp(std::string_view disp) {
    DispReading reading;
    for (char c : disp) {
        if (c == '/') {
            reading.order.emplace_back();
            continue;
        }
        const std::optional<PanelKind> kind = PanelKindOfLetter(c);
        if (!kind) continue;
        PanelPresence& panel = reading.panels[static_cast<std::size_t>(*kind)];
        if (!panel.present) reading.order.emplace_back(kind);
        panel.present = true;
        panel.shown = panel.shown || c == InfoOf(*kind).letter;
    }
    if (!reading[PanelKind::History].present) {
        reading.panels[static_cast<std::size_t>(PanelKind::HistoryOps)] = {};
        std::erase(reading.order, std::optional(PanelKind::HistoryOps));
    }
    return reading;
}

}  // namespace tavrik
