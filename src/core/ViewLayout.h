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

// Where a paint put the design in the view's client area: the bowl centre
// (half the client size, integer division), the three tally columns and the
// active sector's angles. A view keeps the layout of its last paint; the
// click, undo and symmetric fill read it, so that painting never writes
// into the design.
struct ViewLayout {
    int CenterX = 0;
    int CenterY = 0;
    std::array<IntRect, 3> TallyRects{};
    SectorAngles Sector;
    friend bool operator==(const ViewLayout&, const ViewLayout&) = default;
};

}  // namespace corvane
