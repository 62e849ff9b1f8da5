// Stacking the shown panels into columns in the order of the set's `Disp`
// text: letters name panels, "/" ends a column, and every panel of a finished
// column is widened to the column's right edge.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace tavrik::ui {

struct PanelSize {
    int width = 0;
    int height = 0;
    bool endsColumn = false;  // a panel that stretches to the window bottom
};

struct PlacedPanel {
    char letter = 0;  // upper case
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

// `shownPanel` gives the size of the panel of an upper-case letter when that
// panel is present and shown, nothing otherwise. Columns start at `top`; a
// panel that ends its column is followed by a new column.
Arrangement ArrangeColumns(std::string_view disp, int top,
                           const std::function<std::optional<PanelSize>(char)>& shownPanel);

}  // namespace tavrik::ui
