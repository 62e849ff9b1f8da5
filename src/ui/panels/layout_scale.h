// The zoom of a settings set ("倍率") applied to the layout. Every builder
// measures its fonts and computes its geometry at 100 % as before; the
// scale then maps each rectangle edge by edge, so that the zoomed layout is
// the 100 % layout scaled, within one pixel, and sets the fonts larger.
#pragma once

#include <QFont>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "settings/setting_ranges.h"
#include "settings/settings_model.h"

namespace tavrik::ui {

// A zoom from the file, in percent, within the range the window offers.
inline int LayoutZoom(int percent) {
    return kZoomRange.clamp(percent);
}

class LayoutScale {
  public:
    LayoutScale() = default;
    explicit LayoutScale(int percent) : factor_(LayoutZoom(percent) / 100.0) {}

    double factor() const { return factor_; }
    int length(int pixels) const { return static_cast<int>(std::lround(pixels * factor_)); }
    // Both edges are scaled, so that neighbours stay neighbours.
    QRect rect(int left, int top, int width, int height) const {
        const int x = length(left);
        const int y = length(top);
        return {x, y, length(left + width) - x, length(top + height) - y};
    }
    QFont font(QFont font) const {
        if (factor_ != 1.0 && font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor_);
        return font;
    }

  private:
    double factor_ = 1.0;
};

}  // namespace tavrik::ui
