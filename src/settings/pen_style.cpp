#include "settings/pen_style.h"

#include <array>
#include <utility>

namespace tavrik {

std::string_view PenStyleName(PenStyle style) {
    static constexpr std::array<std::string_view, 7> kNames{
        "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
    return kNames.at(static_cast<std::size_t>(style));
}

PenStyle ParsePenStyle(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, PenStyle>, 6> kSearchOrder{{
        {"InsideFrame", PenStyle::InsideFrame},
        {"Clear", PenStyle::Clear},
        {"DashDotDot", PenStyle::DashDotDot},
        {"DashDot", PenStyle::DashDot},
        {"Dot", PenStyle::Dot},
        {"Dash", PenStyle::Dash},
    }};
    for (const auto& [part, style] : kSearchOrder) {
        if (text.find(part) != std::string_view::npos) return style;
    }
    return PenStyle::Solid;
}

}  // namespace tavrik
