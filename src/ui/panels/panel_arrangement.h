// Stacking the shown panels into columns in the order of the set's `Disp`
// as read: each panel at its place, "/" ends a column, and every panel of a
// finished column is widened to the column's right edge.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "settings/panel_kinds.h"

namespace tavrik::ui {

struct PanelSize {
    int width = 0;
    int height = 0;
    bool endsColumn = false;  // a panel that stretches to the window bottom
};

struct PlacedPanel {
    PanelKind kind = PanelKind::Display;
    int x = 0;
    int y = 0;
    int width = 0;  // after widening to the column
    int height = 0;
};

struct Arrangement {
    std::vector<PlacedPanel> panels;
    int right = 0;   // largest right edge
    int bottom = 0;  // largest bottom edge
};

// `shownPanel` gives the size of a panel when it is present and shown,
// nothing otherwise. Columns start at `top`; a panel that ends its column is
// followed by a new column.
Arrangement ArrangeColumns(const DispReading& disp, int top,
                           const std::function<std::optional<PanelSize>(PanelKind)>& shownPanel);

}  // namespace tavrik::ui
