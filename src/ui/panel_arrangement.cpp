#include "ui/panel_arrangement.h"

#include <algorithm>
#include <cstdint>

namespace tavrik::ui {

namespace {

// A `Disp` text may stack a panel thousands of times: edges are summed in 64
// bits and kept to the largest widget coordinate (Qt's QWIDGETSIZE_MAX).
constexpr std::int64_t kLargestCoordinate = (1 << 24) - 1;

int Coordinate(std::int64_t sum) {
    return static_cast<int>(std::min(sum, kLargestCoordinate));
}

}  // namespace

Arrangement ArrangeColumns(std::string_view disp, int top,
                           const std::function<std::optional<PanelSize>(char)>& shownPanel) {
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
    for (char c : disp) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == '/') {
            newColumn();
            continue;
        }
        const std::optional<PanelSize> size = shownPanel(c);
        if (!size) continue;
        result.panels.push_back({c, Coordinate(x), Coordinate(y), size->width, size->height});
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
