#include "ui/panels/panel_arrangement.h"

#include <algorithm>
#include <cstdint>

namespace tavrik::ui {

namespace {

// Stacked panels may reach past the int range: edges are summed in 64 bits
// and kept to the largest widget coordinate (Qt's QWIDGETSIZE_MAX).
constexpr std::int64_t kLargestCoordinate = (1 << 24) - 1;

int Coordinate(std::int64_t sum) {
    return static_cast<int>(std::min(sum, kLargestCoordinate));
}

}  // namespace

Arrangement ArrangeColumns(const DispReading& disp, int top,
                           const std::function<std::optional<PanelSize>(PanelKind)>& shownPanel) {
    Arrangement result;
    std::int64_t right = 0;
    std::int64_t bottom = top;
    std::size_t columnStart = 0;
    const auto finishColumn = [&] {
        for (std::size_t i = columnStart; i < result.panels.size(); ++i) {
            PlacedPanel& panel = result.panels[i];
            if (panel.x + std::int64_t{panel.width} < right)
                panel.width = Coordinate(right - panel.x);
        }
        columnStart = result.panels.size();
    };

    std::int64_t x = 0;
    std::int64_t y = top;
    const auto newColumn = [&] {
        finishColumn();
        x = right;
        y = top;
    };
    for (const std::optional<PanelKind>& item : disp.order) {
        if (!item) {
            newColumn();
            continue;
        }
        const std::optional<PanelSize> size = shownPanel(*item);
        if (!size) continue;
        result.panels.push_back({*item, Coordinate(x), Coordinate(y), size->width, size->height});
        y += size->height;
        right = std::max(right, x + size->width);
        bottom = std::max(bottom, y);
        if (size->endsColumn) newColumn();
    }
    finishColumn();
    result.right = Coordinate(right);
    result.bottom = Coordinate(bottom);
    return result;
}

}  // namespace tavrik::ui
