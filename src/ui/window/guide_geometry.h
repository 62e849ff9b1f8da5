// The rules of the guide bars: where they are placed, when a press on the
// grid grabs one, and how far a drag may take them. Positions are in client
// coordinates; top0 is the bottom of the status bar (0 when it is hidden).
#pragma once

#include <QSize>

namespace tavrik::ui {

// The one-pixel window border the bars keep clear of.
inline constexpr int kGuideBorder = 1;

struct GuidePlacement {
    int barLeft = 0;  // vertical bar
    int barTop = 0;   // horizontal bar
    QSize client;     // the client area, grown to hold both bars
};

// A negative position puts the bar at a quarter of the client extent; the
// horizontal bar stays below top0; the client grows to keep both bars inside,
// but not past `largest`: a bar beyond it comes back inside the client.
GuidePlacement PlaceGuideBars(int xPos, int xWidth, int yPos, int yWidth, QSize client, int top0,
                              QSize largest);

// A press at `pos` on the grid grabs the bar at `barEdge` of thickness `width`
// when it lies within two widths before it or three after its edge.
bool GrabsGuideBar(int pos, int barEdge, int width);

// The vertical bar's left edge for a drag to `edge`, kept inside the client.
int DraggedBarLeft(int edge, int width, int clientWidth);
// The horizontal bar's top edge for a drag to `edge`, kept below top0 and inside the client.
int DraggedBarTop(int edge, int width, int clientHeight, int top0);

}  // namespace tavrik::ui
