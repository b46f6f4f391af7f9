#pragma once

#include "BowlModel.h"
#include "ViewLayout.h"

#include <vector>

namespace corvane {

// The sector counts symmetry mode takes: at least 2, fewer than the
// segments of a row, and dividing them evenly.
bool IsAcceptableSectorCount(int sectors, int segments);

// Whether a running symmetry mode still makes sense after Segments changed:
// every sector keeps at least one whole segment and all sectors are equal.
bool SectorsFitSegments(int sectors, int segments);

// The four sector angles, from Segments, Rows and SymmetrySectors alone; all
// zero unless SymmetrySectors >= 1 and Segments >= 1.
SectorAngles ComputeActiveSector(const BowlModel& model);

// True when ring record k lies in the active sector (the view's angles of its last paint).
bool IsInActiveSector(const BowlModel& model, const SectorAngles& sector, int k);

// Fills the counterparts of ring record k in the other sectors with
// FillSegment; targets beyond the table are skipped. Returns the indices filled.
std::vector<int> FillSymmetricCopies(BowlModel& model, int k);

// The symmetric fill of a click: the active-sector test, then the copies.
std::vector<int> FillSymmetric(BowlModel& model, const SectorAngles& sector, int k);

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
};

struct SectorArc {
    float radius = 0.0f;
    float startAngle = 0.0f;  // degrees, clockwise on screen
    float sweepAngle = 0.0f;
};

// The red outline of the active sector in client coordinates: two stepped
// edges drawn as polylines and two arcs, with the angles it was made from.
struct SectorOutline {
    SectorAngles angles;
    std::vector<PointF> endEdge;
    std::vector<PointF> startEdge;
    SectorArc innerArc;
    SectorArc outerArc;
};
SectorOutline ComputeSectorOutline(const BowlModel& model, IntPoint centre);

}  // namespace corvane
