#include "ui/window/guide_geometry.h"

#include <algorithm>

namespace tavrik::ui {

namespace {

constexpr int kDefaultFraction = 4;  // a bar without a position sits at a quarter
constexpr int kGrabBefore = 2;       // widths before the bar's edge that grab it
constexpr int kGrabAfter = 3;        // widths after its edge

}  // namespace

GuidePlacement PlaceGuideBars(int xPos, int xWidth, int yPos, int yWidth, QSize client, int top0,
                              QSize largest) {
    GuidePlacement placed{xPos, yPos, client};
    if (placed.barLeft < 0) placed.barLeft = client.width() / kDefaultFraction;
    const int neededWidth = placed.barLeft + kGuideBorder + xWidth + 1;
    if (client.width() < neededWidth)
        placed.client.setWidth(std::max(client.width(), std::min(neededWidth, largest.width())));
    placed.barLeft =
        std::max(0, std::min(placed.barLeft, placed.client.width() - kGuideBorder - 1 - xWidth));

    if (placed.barTop < 0) placed.barTop = client.height() / kDefaultFraction;
    placed.barTop = std::max(placed.barTop, top0);
    const int neededHeight = placed.barTop + kGuideBorder + yWidth + 1;
    if (client.height() < neededHeight)
        placed.client.setHeight(
            std::max(client.height(), std::min(neededHeight, largest.height())));
    placed.barTop =
        std::max(top0, std::min(placed.barTop, placed.client.height() - kGuideBorder - 1 - yWidth));
    return placed;
}

bool GrabsGuideBar(int pos, int barEdge, int width) {
    return barEdge - kGrabBefore * width < pos && pos < barEdge + kGrabAfter * width;
}

int DraggedBarLeft(int edge, int width, int clientWidth) {
    return std::min(std::max(0, edge), clientWidth - kGuideBorder - 1 - width);
}

int DraggedBarTop(int edge, int width, int clientHeight, int top0) {
    return std::min(std::max(edge, top0), clientHeight - kGuideBorder - 1 - width);
}

}  // namespace tavrik::ui
