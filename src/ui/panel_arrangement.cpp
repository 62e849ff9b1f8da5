#include "ui/panel_arrangement.h"

namespace tavrik::ui {

Arrangement ArrangeColumns(const DispReading& disp, int top,
                           const std::function<std::optional<PanelSize>(PanelKind)>& shownPanel) {
    Arrangement result;
    result.bottom = top;
    std::size_t columnStart = 0;
    const auto finishColumn = [&] {
        for (std::size_t i = columnStart; i < result.panels.size(); ++i) {
            PlacedPanel& panel = result.panels[i];
            if (panel.x + panel.width < result.right) panel.width = result.right - panel.x;
        }
        columnStart = result.panels.size();
    };

    int x = 0;
    int y = top;
    const auto newColumn = [&] {
        finishColumn();
        x = result.right;
        y = top;
    };
    for (const std::optional<PanelKind>& item : disp.order) {
        if (!item) {
            newColumn();
            continue;
        }
        const std::optional<PanelSize> size = shownPanel(*item);
        if (!size) continue;
        result.panels.push_back({*item, x, y, size->width, size->height});
        y += size->height;
        result.right = std::max(result.right, x + size->width);
        result.bottom = std::max(result.bottom, y);
        if (size->endsColumn) newColumn();
    }
    finishColumn();
    return result;
}

}  // namespace tavrik::ui
