#pragma once

#include "SegmentProp.h"

#include <array>

namespace corvane {

// The four angles of the active symmetry sector, in degrees: the first two
// bound it on odd rows, the outer pair is the same sector on the outermost
// row (turned back by half a segment when that row is even).
struct SectorAngles {
    float SectorStartAngle = 0.0f;
    float SectorEndAngle = 0.0f;
    float OuterSectorStartAngle = 0.0f;
    float OuterSectorEndAngle = 0.0f;
    friend bool operator==(const SectorAngles&, const SectorAngles&) = default;
};

// How the design's plane is shown in the view. Design coordinates are those
// of the plan at true scale, the bowl centre at (CenterX, CenterY); a view
// point is a design point zoomed and moved:
//   view = (design + 0.5) * zoom + offset - 0.5
// (whole coordinates are pixel centres in both). Zoom 1 with no offset is
// the plan exactly as it stands at true scale in the middle of the view.
struct ViewPlacement {
    double zoom = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
    // How far the design is scrolled from the middle of the view (view
    // pixels, positive moves it up and left), and how far it can go either way.
    int scrollX = 0;
    int scrollY = 0;
    int scrollRangeX = 0;
    int scrollRangeY = 0;
    friend bool operator==(const ViewPlacement&, const ViewPlacement&) = default;
};

// Where a paint put the design in the view's client area: the bowl centre
// in design coordinates (half the client size, integer division), the three
// tally columns (view coordinates, never zoomed), the active sector's angles
// and how the design is zoomed and scrolled. A view keeps the layout of its
// last paint; the click, undo and symmetric fill read it, so that painting
// never writes into the design.
struct ViewLayout {
    int CenterX = 0;
    int CenterY = 0;
    std::array<IntRect, 3> TallyRects{};
    SectorAngles Sector;
    ViewPlacement Placement;
    friend bool operator==(const ViewLayout&, const ViewLayout&) = default;
};

}  // namespace corvane
